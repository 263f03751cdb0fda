#include "animation/frame_table.h"
#include "support/pet_window.h"

namespace {

const QString kPet = petLine("Уголёк", "4", "00.00.0000", {"8", "8", "2", "8", "0"});

bool idle(const frmForm& form) {
    return !form.tmrMove->isTicking() && form.FrameCounter == 0 && form.imgHideBut->isHidden() &&
           form.imgHideImg->isHidden();
}

} // namespace

class CareAnimationTest : public QObject {
    Q_OBJECT
private slots:
    void runShowsItsFramesAndEnds_data();
    void runShowsItsFramesAndEnds();
    void runTakesItsTime_data();
    void runTakesItsTime();
    void missingFramesAreReportedAndTheRunEndsOnTime();
    void furtherChoiceSwitchesTheFrames();
    void secondRunStartsAgainFromTheFirstFrame();
    void coversSwallowClicksAndHints();
};

void CareAnimationTest::runShowsItsFramesAndEnds_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("choice");
    QTest::addColumn<QStringList>("frames");
    QTest::addColumn<int>("beeps");
    QTest::newRow("eat 2") << "imgEat" << 2
                           << QStringList{"pfM20.gif", "pfM21.gif", "pfM22.gif", "pfM23.gif"} << 0;
    QTest::newRow("drink 1") << "imgDrink" << 1
                             << QStringList{"pdM10.gif", "pdM11.gif", "pdM12.gif", "pdM13.gif"}
                             << 0;
    QTest::newRow("play 0") << "imgPlay" << 0
                            << QStringList{"pgM00.gif", "pgM01.gif", "pgM02.gif", "pgM03.gif"} << 0;
    QTest::newRow("play 3 beeps twice")
        << "imgPlay" << 3 << QStringList{"pgM30.gif", "pgM31.gif", "pgM32.gif", "pgM33.gif"} << 2;
    QTest::newRow("sleep") << "imgSleep" << 0
                           << QStringList{"pSSM00.gif", "pSSM01.gif", "pSSM02.gif"} << 0;
    QTest::newRow("treat 3") << "imgTreat" << 3 << QStringList{"pHeM30.gif", "pHeM31.gif"} << 0;
}

void CareAnimationTest::runShowsItsFramesAndEnds() {
    QFETCH(QString, button);
    QFETCH(int, choice);
    QFETCH(QStringList, frames);
    QFETCH(int, beeps);
    PetWindow pet(kPet);
    frmForm& form = pet.open();
    pet.clickOn(form.findChild<QWidget*>(button));
    pet.clickOn(form.choiceImages()[choice]);
    for (int tick = 1; tick <= frames.size(); ++tick) {
        form.tmrMove->tickNow();
        QCOMPARE(form.FrameCounter, qint16(tick));
        QVERIFY2(petShows(form, frames[tick - 1]), qPrintable(frames[tick - 1]));
        // The squeaky toy beeps right after its first and its last frame.
        if (beeps)
            QCOMPARE(pet.services.beeps(), tick == 1 || tick < frames.size() ? 1 : 2);
    }
    QVERIFY(form.imgHideBut->isVisible());
    form.tmrMove->tickNow();
    QVERIFY(idle(form));
    QCOMPARE(pet.services.beeps(), beeps);
    QVERIFY(petShows(form, frames.last()));
    QVERIFY(form.lblSH->isVisible());
    QVERIFY(form.imgS0->isHidden());
    QCOMPARE(form.tmrM->interval(), 500);
    QVERIFY(form.tmrM->isTicking());
    QVERIFY(pet.services.boxes().isEmpty());
}

void CareAnimationTest::runTakesItsTime_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("milliseconds");
    QTest::newRow("eat: five ticks of 400 ms") << "imgEat" << 2000;
    QTest::newRow("sleep: four ticks of 500 ms") << "imgSleep" << 2000;
    QTest::newRow("treat: three ticks of 400 ms") << "imgTreat" << 1200;
}

void CareAnimationTest::runTakesItsTime() {
    QFETCH(QString, button);
    QFETCH(int, milliseconds);
    PetWindow pet(kPet);
    frmForm& form = pet.open();
    pet.clickOn(form.findChild<QWidget*>(button));
    QElapsedTimer clock;
    clock.start();
    pet.clickOn(form.imgS3->isVisible() ? form.imgS3 : form.imgS0);
    QVERIFY(form.tmrMove->isTicking());
    QTRY_VERIFY_WITH_TIMEOUT(idle(form), milliseconds + 1000);
    QVERIFY2(clock.elapsed() >= milliseconds - 50, qPrintable(QString::number(clock.elapsed())));
}

void CareAnimationTest::missingFramesAreReportedAndTheRunEndsOnTime() {
    PetWindow pet(kPet);
    for (int frame = 0; frame < 4; ++frame)
        pet.folder.removePicture(QStringLiteral("pgM3%1.gif").arg(frame));
    frmForm& form = pet.open();
    pet.clickOn(form.imgPlay);
    pet.clickOn(form.imgS3);
    const QImage before = form.picMain->picture().toImage();
    for (int tick = 1; tick <= 4; ++tick) {
        form.tmrMove->tickNow();
        QCOMPARE(pet.services.boxes().size(), tick);
        QVERIFY(
            pet.services.boxes().last().text.contains(QStringLiteral("pgM3%1.gif").arg(tick - 1)));
        QCOMPARE(form.picMain->picture().toImage(), before);
    }
    form.tmrMove->tickNow();
    QVERIFY(idle(form));
    QCOMPARE(pet.services.beeps(), 0);
    QVERIFY(!pet.services.ended());
}

// Eat 0, then eat 3 between ticks 2 and 3: the run carries on with the new frames.
void CareAnimationTest::furtherChoiceSwitchesTheFrames() {
    PetWindow pet(kPet);
    frmForm& form = pet.open();
    form.lblSH->setText("10");
    pet.clickOn(form.imgEat);
    pet.clickOn(form.imgS0);
    form.tmrMove->tickNow();
    QVERIFY(petShows(form, "pfM00.gif"));
    form.tmrMove->tickNow();
    QVERIFY(petShows(form, "pfM01.gif"));
    pet.clickOn(form.imgS3);
    QCOMPARE(form.lblSH->text(), QStringLiteral("3"));
    QCOMPARE(form.lblSTR->text(), QStringLiteral("Уголёк: Большое спасибо!"));
    QCOMPARE(form.FrameCounter, qint16(2));
    form.tmrMove->tickNow();
    QVERIFY(petShows(form, "pfM32.gif"));
    form.tmrMove->tickNow();
    QVERIFY(petShows(form, "pfM33.gif"));
    form.tmrMove->tickNow();
    QVERIFY(idle(form));
}

void CareAnimationTest::secondRunStartsAgainFromTheFirstFrame() {
    PetWindow pet(kPet);
    frmForm& form = pet.open();
    for (int run = 0; run < 2; ++run) {
        pet.clickOn(form.imgTreat);
        pet.clickOn(form.imgS3);
        form.lblSHe->setText("0");
        form.tmrMove->tickNow();
        QVERIFY(petShows(form, "pHeM30.gif"));
        form.tmrMove->tickNow();
        form.tmrMove->tickNow();
        QVERIFY(idle(form));
    }
}

void CareAnimationTest::coversSwallowClicksAndHints() {
    PetWindow pet(kPet);
    frmForm& form = pet.open();
    pet.clickOn(form.imgDrink);
    pet.clickOn(form.imgS1);
    const QString answer = form.lblSTR->text();
    for (QPoint button : {QPoint(48, 123), QPoint(48, 147), QPoint(48, 219), QPoint(48, 243)}) {
        pet.moveTo(button);
        pet.clickAt(button);
    }
    QCOMPARE(form.lblSTR->text(), answer);
    QCOMPARE(form.ActionKind, qint16(1));
    QVERIFY(form.imgS1->isVisible());
    QVERIFY(!form.tmrM->isTicking());
    pet.moveTo(QPoint(180, 180));
    QCOMPARE(form.lblSTR->text(), QStringLiteral("Это питомец"));
}

QTEST_MAIN(CareAnimationTest)
#include "care_animation_test.moc"
