#include "support/pet_window.h"

class CareOutcomesTest : public QObject {
    Q_OBJECT
private slots:
    void choiceIsRefusedOrChangesTheNeeds_data();
    void choiceIsRefusedOrChangesTheNeeds();
    void nextTickBringsResultsBackIntoRange();
    void secondChoiceBeforeTheClockIsRefused();
    void answerUsesTheTitleAtTheClick();
    void sleepHasOnlyItsFirstChoice();
};

void CareOutcomesTest::choiceIsRefusedOrChangesTheNeeds_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("choice");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("after");
    const auto row = [](const char* name, const char* button, int choice, QStringList before,
                        const char* answer, QStringList after) {
        QTest::newRow(name) << QString(button) << choice << before << QString::fromUtf8(answer)
                            << after;
    };
    const QStringList same;
    row("eat at hunger 2, choice 0", "imgEat", 0, {"2", "5", "5", "5", "5"}, "Я не хочу есть!",
        same);
    row("eat at hunger 2, choice 3", "imgEat", 3, {"2", "5", "5", "5", "5"}, "Я не хочу есть!",
        same);
    row("eat at hunger -1 not yet bounded", "imgEat", 1, {"-1", "5", "5", "5", "5"},
        "Я не хочу есть!", same);
    row("eat at hunger 3, thirst 9, choice 1", "imgEat", 1, {"3", "9", "5", "5", "5"}, "Спасибо!",
        {"0", "14", "8", "5", "6"});
    row("eat choice 0", "imgEat", 0, {"7", "5", "5", "5", "5"}, "Спасибо!",
        {"2", "8", "7", "5", "5"});
    row("eat choice 2", "imgEat", 2, {"7", "5", "5", "5", "5"}, "Как вкусно! Спасибо!",
        {"1", "9", "9", "6", "6"});
    row("eat choice 3", "imgEat", 3, {"7", "5", "5", "5", "5"}, "Большое спасибо!",
        {"5", "7", "10", "5", "4"});
    row("drink at thirst 2", "imgDrink", 0, {"5", "2", "5", "5", "5"}, "Я не хочу пить!", same);
    row("drink at thirst 3, choice 0", "imgDrink", 0, {"5", "3", "5", "5", "5"},
        "Как вкусно! Спасибо!", {"5", "-2", "7", "6", "6"});
    row("drink choice 1", "imgDrink", 1, {"5", "8", "5", "5", "5"}, "Спасибо!",
        {"5", "4", "5", "3", "5"});
    row("drink choice 2", "imgDrink", 2, {"5", "8", "5", "5", "5"}, "Как вкусно! Спасибо!",
        {"5", "4", "10", "4", "3"});
    row("drink choice 3", "imgDrink", 3, {"5", "8", "5", "5", "5"}, "Вкусно! Спасибо!",
        {"5", "3", "6", "5", "5"});
    row("play at mood 8", "imgPlay", 2, {"5", "5", "8", "5", "5"}, "Я не хочу играть!", same);
    row("play at mood 7, choice 0", "imgPlay", 0, {"5", "5", "7", "5", "5"},
        "Эта игра просто класс!", {"7", "8", "12", "6", "6"});
    row("play choice 1", "imgPlay", 1, {"5", "5", "3", "5", "5"}, "Круто!",
        {"7", "9", "7", "4", "7"});
    row("play choice 2", "imgPlay", 2, {"5", "5", "3", "5", "5"}, "Супер!",
        {"8", "8", "7", "6", "4"});
    row("play choice 3", "imgPlay", 3, {"5", "5", "3", "5", "5"}, "Нормально!",
        {"5", "5", "6", "5", "5"});
    row("sleep at sleepiness 1", "imgSleep", 0, {"5", "5", "5", "1", "5"}, "Я не хочу спать!",
        same);
    row("sleep at sleepiness 2", "imgSleep", 0, {"5", "5", "5", "2", "5"}, "Я поспал!",
        {"6", "6", "6", "-8", "7"});
    row("syrup at health 9", "imgTreat", 0, {"5", "5", "5", "5", "9"}, "Я не болен!", same);
    row("syrup at health 8", "imgTreat", 0, {"5", "5", "5", "5", "8"}, "Как невкусно!",
        {"5", "7", "4", "6", "10"});
    row("injection at health 7", "imgTreat", 1, {"5", "5", "5", "5", "7"}, "Я не очень болен!",
        same);
    row("injection at health 6", "imgTreat", 1, {"5", "5", "5", "5", "6"}, "Как больно!",
        {"5", "5", "3", "6", "10"});
    row("pills at health 5", "imgTreat", 2, {"5", "5", "5", "5", "5"}, "Я не очень сильно болен!",
        same);
    row("pills at health 4", "imgTreat", 2, {"5", "5", "5", "5", "4"}, "Мне намного лучше!",
        {"6", "6", "2", "5", "10"});
    row("strongest remedy at health 1", "imgTreat", 3, {"5", "5", "5", "5", "1"},
        "Мне это не нужно!", same);
    row("strongest remedy at health 0", "imgTreat", 3, {"5", "5", "5", "5", "0"},
        "Мне намного лучше!", {"8", "8", "1", "7", "10"});
}

void CareOutcomesTest::choiceIsRefusedOrChangesTheNeeds() {
    QFETCH(QString, button);
    QFETCH(int, choice);
    QFETCH(QStringList, before);
    QFETCH(QString, answer);
    QFETCH(QStringList, after);
    PetWindow pet(kFreshPet);
    frmForm& form = pet.open();
    showNeeds(form, before);
    pet.clickOn(form.findChild<QWidget*>(button));
    const bool sleep = button == "imgSleep";
    const bool clockRanBefore = form.tmrM->isTicking();
    QCOMPARE(clockRanBefore, sleep);
    pet.clickOn(form.choiceImages()[choice]);

    QCOMPARE(form.ChoiceIndex, qint16(choice));
    QCOMPARE(form.lblSTR->text(), QStringLiteral("Уголёк: ") + answer);
    const bool refused = after.isEmpty();
    QCOMPARE(shownNeeds(form), refused ? before : after);
    QCOMPARE(form.imgHideBut->isVisible(), !refused);
    QCOMPARE(form.imgHideImg->isVisible(), !refused);
    QCOMPARE(form.tmrMove->interval(), refused ? 0 : sleep ? 500 : 400);
    // A refusal leaves the need clock as the button left it; sleep stops it.
    QCOMPARE(form.tmrM->isTicking(), refused && sleep);
    QVERIFY(form.choiceImages()[choice]->isVisible());
}

void CareOutcomesTest::nextTickBringsResultsBackIntoRange() {
    PetWindow pet(kFreshPet);
    frmForm& form = pet.open();
    showNeeds(form, {"3", "9", "5", "5", "5"});
    form.imgEat_Click();
    form.imgS_Click(1);
    QCOMPARE(form.lblSD->text(), QStringLiteral("14"));
    for (int tick = 0; tick < 5; ++tick)
        form.tmrMove->tickNow();
    QVERIFY(!form.tmrMove->isTicking());
    QCOMPARE(form.lblSD->text(), QStringLiteral("14"));
    form.tmrM->tickNow();
    QCOMPARE(shownNeeds(form), (QStringList{"0", "10", "8", "5", "6"}));
}

void CareOutcomesTest::secondChoiceBeforeTheClockIsRefused() {
    PetWindow pet(kFreshPet);
    frmForm& form = pet.open();
    showNeeds(form, {"7", "5", "5", "5", "5"});
    pet.clickOn(form.imgEat);
    pet.clickOn(form.imgS0);
    QCOMPARE(form.lblSH->text(), QStringLiteral("2"));
    pet.clickOn(form.imgS2);
    QCOMPARE(form.lblSTR->text(), QStringLiteral("Уголёк: Я не хочу есть!"));
    QCOMPARE(shownNeeds(form), (QStringList{"2", "8", "7", "5", "5"}));
    QCOMPARE(form.ChoiceIndex, qint16(2));
}

void CareOutcomesTest::answerUsesTheTitleAtTheClick() {
    PetWindow pet(kFreshPet);
    frmForm& form = pet.open();
    form.lblSH->setText("8");
    pet.clickOn(form.imgEat);
    form.setWindowTitle("Барсик");
    pet.clickOn(form.imgS0);
    QCOMPARE(form.lblSTR->text(), QStringLiteral("Барсик: Спасибо!"));
}

void CareOutcomesTest::sleepHasOnlyItsFirstChoice() {
    PetWindow pet(kFreshPet);
    frmForm& form = pet.open();
    form.lblSS->setText("8");
    pet.clickOn(form.imgSleep);
    QVERIFY(form.imgS1->isHidden());
    const QString status = form.lblSTR->text();
    for (qint16 n : {1, 2, 3}) {
        form.imgS_Click(n);
        QCOMPARE(form.ChoiceIndex, n);
    }
    QCOMPARE(form.lblSS->text(), QStringLiteral("8"));
    QCOMPARE(form.lblSTR->text(), status);
    QVERIFY(form.tmrM->isTicking());
    QVERIFY(!form.tmrMove->isTicking());
}

QTEST_MAIN(CareOutcomesTest)
#include "care_outcomes_test.moc"
