#include "support/pet_window.h"

class HoverHintsTest : public QObject {
    Q_OBJECT
private slots:
    void pointerExplainsTheControl_data();
    void pointerExplainsTheControl();
    void controlsWithoutHintLeaveTheLine_data();
    void controlsWithoutHintLeaveTheLine();
    void answerStaysUntilThePointerMoves();
};

void HoverHintsTest::pointerExplainsTheControl_data() {
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("hint");
    QTest::newRow("eat") << QPoint(48, 147) << "Накормить питомца";
    QTest::newRow("drink") << QPoint(48, 171) << "Дать попить питомцу";
    QTest::newRow("play") << QPoint(48, 195) << "Поиграть с питомцем";
    QTest::newRow("sleep") << QPoint(48, 219) << "Выключить свет и дать поспать питомцу";
    QTest::newRow("treat") << QPoint(48, 243) << "Вылечить питомца";
    QTest::newRow("data") << QPoint(48, 123) << "Данные о питомце (от 1 до 10)";
    QTest::newRow("hunger") << QPoint(11 + 90, 11 + 14) << "Чем больше это значение тем, ХУЖЕ!";
    QTest::newRow("thirst") << QPoint(11 + 90, 11 + 30) << "Чем больше это значение тем, ХУЖЕ!";
    QTest::newRow("mood") << QPoint(11 + 210, 11 + 14) << "Чем больше это значение тем, ЛУЧШЕ!";
    QTest::newRow("sleepiness") << QPoint(11 + 210, 11 + 30)
                                << "Чем больше это значение тем, ХУЖЕ!";
    QTest::newRow("health") << QPoint(11 + 210, 11 + 46) << "Чем больше это значение тем, ЛУЧШЕ!";
    QTest::newRow("age value") << QPoint(106, 102) << "В днях. Ваш питомец живет 20 дней.";
    QTest::newRow("age caption") << QPoint(50, 102) << "В днях. Ваш питомец живет 20 дней.";
    QTest::newRow("pet") << QPoint(180, 180) << "Это питомец";
}

void HoverHintsTest::pointerExplainsTheControl() {
    QFETCH(QPoint, point);
    QFETCH(QString, hint);
    PetWindow pet(kFreshPet);
    pet.open();
    pet.moveTo(point);
    QCOMPARE(pet.form->lblSTR->text(), hint);
    // The window's own surface clears the line again.
    pet.moveTo(QPoint(275, 150));
    QCOMPARE(pet.form->lblSTR->text(), QString());
}

void HoverHintsTest::controlsWithoutHintLeaveTheLine_data() {
    QTest::addColumn<bool>("choicesShown");
    QTest::addColumn<QPoint>("point");
    QTest::newRow("need caption") << false << QPoint(11 + 40, 11 + 14);
    QTest::newRow("panel between labels") << false << QPoint(11 + 5, 11 + 60);
    QTest::newRow("choice image") << true << QPoint(11 + 30, 11 + 30);
}

void HoverHintsTest::controlsWithoutHintLeaveTheLine() {
    QFETCH(bool, choicesShown);
    QFETCH(QPoint, point);
    PetWindow pet(kFreshPet);
    frmForm& form = pet.open();
    if (choicesShown)
        pet.clickOn(form.imgPlay);
    pet.moveOver(form.imgEat);
    pet.moveTo(point);
    QCOMPARE(form.lblSTR->text(), QStringLiteral("Накормить питомца"));
}

void HoverHintsTest::answerStaysUntilThePointerMoves() {
    PetWindow pet(kFreshPet);
    frmForm& form = pet.open();
    form.lblSH->setText("8");
    pet.clickOn(form.imgEat);
    pet.clickOn(form.imgS0);
    QCOMPARE(form.lblSTR->text(), QStringLiteral("Уголёк: Спасибо!"));
    pet.moveTo(QPoint(11 + 100, 11 + 30));
    QCOMPARE(form.lblSTR->text(), QStringLiteral("Уголёк: Спасибо!"));
    // Pointing at the status line to read it empties it.
    pet.moveTo(QPoint(150, 264));
    QCOMPARE(form.lblSTR->text(), QString());
}

QTEST_MAIN(HoverHintsTest)
#include "hover_hints_test.moc"
