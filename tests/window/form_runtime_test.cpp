#include "support/pet_window.h"
#include "window/system_sound.h"

#include <thread>

namespace {

// A user who takes a while to read each box, as a real one does: the event
// loop runs on while the box is open.
class SlowReader : public ScriptedServices {
public:
    using ScriptedServices::ScriptedServices;
    std::function<void()> whileOpen;
    int messageBox(const QString& text, int style, const QString& title) override {
        QTest::qWait(1100);
        if (whileOpen)
            whileOpen();
        return ScriptedServices::messageBox(text, style, title);
    }
};

} // namespace

class FormRuntimeTest : public QObject {
    Q_OBJECT
private slots:
    void untrappedErrorStopsOnlyItsHandler();
    void ticksWaitWhileABoxIsOpen();
    void endedProgramHandlesNothingMore();
    void endFromOutsideSavesAsClosingDoes_data();
    void endFromOutsideSavesAsClosingDoes();
    void beepIsOneSoundEitherWay_data();
    void beepIsOneSoundEitherWay();
};

// A missing choice picture: one report, the window runs on and still saves.
void FormRuntimeTest::untrappedErrorStopsOnlyItsHandler() {
    PetWindow pet(kFreshPet);
    frmForm& form = pet.open();
    pet.folder.removePicture("f2.gif");
    pet.clickOn(form.imgEat);
    QCOMPARE(pet.services.boxes().size(), 1);
    QCOMPARE(pet.services.boxes()[0].title, QStringLiteral("Ошибка"));
    QVERIFY(pet.services.boxes()[0].text.contains("f2.gif"));
    QVERIFY(!pet.services.ended());
    // The steps before the failing load took effect, the later ones did not.
    QCOMPARE(form.ActionKind, qint16(0));
    QVERIFY(form.imgS1->isVisibleTo(&form));
    QVERIFY(form.tmrM->isTicking());
    pet.clickOn(form.imgStatic);
    QVERIFY(form.lblSH->isVisibleTo(&form));
    pet.close();
    QVERIFY(pet.folder.petFileBytes().contains("07.12.2026"));
}

// The need clock ticks every 500 ms; a report that stays open for 1.1 s must
// not let it run inside the handler that raised the report.
void FormRuntimeTest::ticksWaitWhileABoxIsOpen() {
    ProgramFolder folder;
    folder.writePetFile(kFreshPet);
    folder.removePicture("f2.gif");
    SlowReader services(folder.path());
    frmForm form(services);
    form.load();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const qint16 before = form.IdleFrame;
    qint16 duringBox = -1;
    services.whileOpen = [&] { duringBox = form.IdleFrame; };
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, QPoint(48, 147));
    QCOMPARE(services.boxes().size(), 1);
    QCOMPARE(duringBox, before);
    // The held tick comes once, right after the handler.
    QCOMPARE(form.IdleFrame, qint16((before + 1) % 3));
}

void FormRuntimeTest::endedProgramHandlesNothingMore() {
    PetWindow pet(kFreshPet);
    frmForm& form = pet.open();
    pet.folder.removePicture("p1.gif");
    form.tmrM->tickNow();
    QVERIFY(pet.services.ended());
    const QString status = form.lblSTR->text();
    pet.moveOver(form.imgEat);
    pet.clickOn(form.imgEat);
    QCOMPARE(form.lblSTR->text(), status);
    QVERIFY(form.imgS0->isHidden());
}

enum class WhenEndComes { Idle, UntrappedErrorReport, NeedClockReport };
// The desktop asks for the end (a logout, kill), or the compositor's connection
// breaks, noticed by a thread other than the window's.
enum class HowEndComes { Request, ConnectionBreak };

void FormRuntimeTest::endFromOutsideSavesAsClosingDoes_data() {
    QTest::addColumn<WhenEndComes>("when");
    QTest::addColumn<HowEndComes>("how");
    QTest::addColumn<bool>("saved");
    for (const auto& [how, name] : {std::pair(HowEndComes::Request, "end request"),
                                    std::pair(HowEndComes::ConnectionBreak, "connection break")}) {
        QTest::addRow("%s, idle", name) << WhenEndComes::Idle << how << true;
        QTest::addRow("%s, an untrapped error's report is open", name)
            << WhenEndComes::UntrappedErrorReport << how << true;
        // The need clock's report ends the program, and then nothing is saved.
        QTest::addRow("%s, the need clock's report is open", name)
            << WhenEndComes::NeedClockReport << how << false;
    }
}

void FormRuntimeTest::endFromOutsideSavesAsClosingDoes() {
    QFETCH(WhenEndComes, when);
    QFETCH(HowEndComes, how);
    QFETCH(bool, saved);
    PetWindow pet(kFreshPet);
    frmForm& form = pet.open();
    form.keepUnloadReady();
    // A tick brings hunger back into range: the save must see what it left.
    form.lblSH->setText(QStringLiteral("12"));
    form.tmrM->tickNow();
    // A second request, as a logout sends SIGTERM after SIGHUP, or a second
    // thread noticing the break, changes nothing.
    const auto endTwice = [&] {
        if (how == HowEndComes::Request) {
            form.endRequested();
            form.endRequested();
            return;
        }
        std::thread first([&] { form.unloadFromAnyThread(); });
        std::thread second([&] { form.unloadFromAnyThread(); });
        first.join();
        second.join();
    };
    switch (when) {
    case WhenEndComes::Idle:
        endTwice();
        break;
    case WhenEndComes::UntrappedErrorReport:
        pet.folder.removePicture("f2.gif");
        pet.services.whileNextBoxIsOpen(endTwice);
        pet.clickOn(form.imgEat);
        break;
    case WhenEndComes::NeedClockReport:
        pet.folder.removePicture(QStringLiteral("p%1.gif").arg(form.IdleFrame + 1));
        pet.services.whileNextBoxIsOpen(endTwice);
        form.tmrM->tickNow();
        break;
    }
    const bool requested = how == HowEndComes::Request;
    QCOMPARE(pet.services.dismissedBoxes(), requested && when != WhenEndComes::Idle ? 1 : 0);
    QCOMPARE(pet.services.ended(), when == WhenEndComes::NeedClockReport);
    QCOMPARE(form.isVisible(), !requested || when == WhenEndComes::NeedClockReport);
    const QStringList savedNeeds{"10", "5", "5", "0", "10"};
    QCOMPARE(pet.folder.petFileBytes(),
             cp1251(saved ? petLine("Уголёк", "4", "07.12.2026", savedNeeds) : kFreshPet));
    // The window's own close after that saves nothing more, nor does any other end.
    pet.folder.writePetFile(kFreshPet);
    pet.close();
    form.unloadFromAnyThread();
    QCOMPARE(pet.folder.petFileBytes(), cp1251(kFreshPet));
}

void FormRuntimeTest::beepIsOneSoundEitherWay_data() {
    QTest::addColumn<bool>("soundServer");
    QTest::addColumn<int>("bells");
    QTest::newRow("the sound server plays the theme's bell") << true << 0;
    QTest::newRow("no sound server: the display's bell") << false << 1;
}

void FormRuntimeTest::beepIsOneSoundEitherWay() {
    QFETCH(bool, soundServer);
    QFETCH(int, bells);
    // Without a server the real sound library is asked, and made to find no
    // way to play, as on a machine with no sound at all.
    qputenv("CANBERRA_DRIVER", "none-here");
    int rung = 0;
    soundBeep(soundServer ? std::function<bool()>([] { return true; })
                          : std::function<bool()>(playThemeBell),
              [&] { ++rung; });
    QCOMPARE(rung, bells);
}

QTEST_MAIN(FormRuntimeTest)
#include "form_runtime_test.moc"
