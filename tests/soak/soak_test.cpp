// A seeded random user plays with the real window for a bounded time: clicks
// on the buttons and choices, hovers, clock ticks, closes and restarts after
// days away. After every step the window's invariants are checked.
#include "pet/pet_record.h"
#include "pet/saved_on.h"
#include "support/environment.h"
#include "support/pet_window.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

namespace {

// What a start-up shows: the title, the age and the five needs.
struct Shown {
    QString title;
    QString age;
    QStringList needs;
    bool operator==(const Shown&) const = default;
};

QString describe(const Shown& s) {
    return s.title + " | " + s.age + " | " + s.needs.join(' ');
}

Shown shownBy(const frmForm& f) {
    return {f.windowTitle(), f.lblaD->text(), shownNeeds(f)};
}

// The pet as a restart after `days` away must show it, from the record the
// last close wrote; `dies` tells whether a death message must come first.
Shown expectedAfter(const PetRecord& saved, int days, bool& dies) {
    const int age = saved.AgeDays.toInt() + days;
    QList<int> n = {saved.Hunger.toInt(), saved.Thirst.toInt(), saved.Mood.toInt(),
                    saved.Sleepiness.toInt(), saved.Health.toInt()};
    if (days >= 1) {
        n[0] += days + 1;
        n[1] += days + 2;
        n[2] -= days + 1;
        n[3] += days + 2;
        n[4] -= days + 1;
    }
    dies = age >= 20 || (n[0] >= 10 && n[1] >= 10 && n[4] <= 0) ||
           (n[1] >= 10 && n[2] <= 0 && n[3] >= 10);
    if (dies)
        return {saved.PetName, "0", kFreshNeeds};
    QStringList texts;
    for (int v : n)
        texts << QString::number(v);
    return {saved.PetName, QString::number(age), texts};
}

} // namespace

class SoakTest : public QObject {
    Q_OBJECT
private slots:
    void randomUserBreaksNothing();

private:
    void attach(frmForm& form);
    QStringList violations_;
    int clockTicks_ = 0;
};

// Watches every tick of the need clock: the check runs right after the
// window's own handler, which was connected first.
void SoakTest::attach(frmForm& form) {
    connect(form.tmrM, &FormTimer::tick, this, [this, &form] {
        ++clockTicks_;
        for (const Label* label : needLabels(form)) {
            bool whole = false;
            const int v = label->text().toInt(&whole);
            if (!whole || v < 0 || v > 10)
                violations_ << QStringLiteral("after a need-clock tick %1 shows \"%2\"")
                                   .arg(label->objectName(), label->text());
        }
    });
}

void SoakTest::randomUserBreaksNothing() {
    const quint32 seed = seedFromEnvironment();
    const int seconds = qMin(envInt("PET_SOAK_SECONDS", 30), 60);
    const int maxSteps = envInt("PET_SOAK_STEPS", 40000);
    qInfo("seed %u, at most %d s or %d steps", seed, seconds, maxSteps);
    QRandomGenerator random(seed);

    QDate today(2026, 12, 7);
    PetWindow pet(petLine("Уголёк", "3", "07.12.2026"), today);
    attach(pet.open());
    int queuedYes = 0;
    int yesNoBoxes = 0;
    int restarts = 0, deaths = 0, clicks = 0, frameTicks = 0, hovers = 0;

    QElapsedTimer clock;
    clock.start();
    int step = 0;
    for (; step < maxSteps && clock.elapsed() < seconds * 1000; ++step) {
        frmForm& form = *pet.form;
        const std::array<QWidget*, 6> buttons = {form.imgEat,   form.imgDrink, form.imgPlay,
                                                 form.imgSleep, form.imgTreat, form.imgStatic};
        const std::array<QWidget*, 4> choices = {form.imgS0, form.imgS1, form.imgS2, form.imgS3};
        const std::array<QWidget*, 9> hoverable = {form.imgEat,  form.imgSleep, form.imgStatic,
                                                   form.lblSH,   form.lblSHe,   form.lblaD,
                                                   form.lbllAge, form.picMain,  form.lblSTR};
        QString action;
        const int roll = int(random.bounded(100));
        if (roll < 24) {
            action = "click a button";
            pet.clickOn(buttons[random.bounded(int(buttons.size()))]);
            ++clicks;
        } else if (roll < 50) {
            action = "click a choice";
            pet.clickOn(choices[random.bounded(int(choices.size()))]);
            ++clicks;
        } else if (roll < 58) {
            action = "hover";
            pet.moveOver(hoverable[random.bounded(int(hoverable.size()))]);
            ++hovers;
        } else if (roll < 63) {
            action = "click anywhere";
            pet.clickAt(QPoint(random.bounded(282), random.bounded(281)));
            ++clicks;
        } else if (roll < 76) {
            action = "need-clock tick";
            if (form.tmrM->isTicking())
                form.tmrM->tickNow();
        } else if (roll < 97) {
            action = "frame tick";
            if (form.tmrMove->isTicking()) {
                form.tmrMove->tickNow();
                ++frameTicks;
            }
        } else {
            action = "close and restart";
            pet.close();
            const PetRecord saved = parsePetRecord(pet.folder.petFileBytes());
            QCOMPARE(saved.SavedOn, savedOnText(today));
            const int r = int(random.bounded(10));
            const int days = r < 6 ? 0 : r < 9 ? r - 5 : -1;
            today = today.addDays(days);
            pet.services.setToday(today);
            if (queuedYes == yesNoBoxes) {
                pet.services.answerYesNo({kAnswerYes});
                ++queuedYes;
            }
            bool dies = false;
            const Shown expected = expectedAfter(saved, days, dies);
            const int boxesBefore = int(pet.services.boxes().size());
            pet.form.reset();
            attach(pet.open());
            const int newBoxes = int(pet.services.boxes().size()) - boxesBefore;
            QCOMPARE(newBoxes, dies ? 1 : 0);
            yesNoBoxes += newBoxes;
            deaths += newBoxes;
            QVERIFY2(shownBy(*pet.form) == expected,
                     qPrintable(QStringLiteral("restart %1 after %2 days: shows %3, expected %4")
                                    .arg(restarts)
                                    .arg(days)
                                    .arg(describe(shownBy(*pet.form)), describe(expected))));
            if (dies)
                QCOMPARE(pet.folder.petFileBytes(), petRecordBytes(freshPetRecord(saved.PetName)));
            ++restarts;
        }

        frmForm& now = *pet.form;
        QVERIFY2(
            violations_.isEmpty(),
            qPrintable(
                QStringLiteral("step %1 (%2): %3").arg(step).arg(action, violations_.join("; "))));
        QVERIFY2(!pet.services.ended(),
                 qPrintable(QStringLiteral("step %1 ended the program").arg(step)));
        QCOMPARE(pet.services.unexpectedBoxes(), 0);
        for (const ScriptedServices::Box& box : pet.services.boxes())
            QVERIFY2(box.style == kStyleExclamationYesNo, qPrintable(box.text));
        if (!now.tmrMove->isTicking()) {
            QVERIFY2(now.FrameCounter == 0,
                     qPrintable(QStringLiteral("step %1 (%2): no run, FrameCounter %3")
                                    .arg(step)
                                    .arg(action)
                                    .arg(now.FrameCounter)));
            QVERIFY2(now.imgHideBut->isHidden() && now.imgHideImg->isHidden(),
                     qPrintable(QStringLiteral("step %1 (%2): covers shown without a run")
                                    .arg(step)
                                    .arg(action)));
        }
    }
    qInfo("%d steps in %lld ms: %d clicks, %d hovers, %d need-clock ticks, %d frame ticks, "
          "%d restarts, %d deaths",
          step, clock.elapsed(), clicks, hovers, clockTicks_, frameTicks, restarts, deaths);
    // A soak that never got the window going would pass on nothing.
    QVERIFY(clicks > 1000);
    QVERIFY(clockTicks_ > 100);
    QVERIFY(frameTicks > 100);
    QVERIFY(restarts > 10);
}

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
