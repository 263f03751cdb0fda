#include "support/pet_window.h"

namespace {

bool needsShown(frmForm& form) {
    for (Label* label : form.panelLabels())
        if (!label->isVisible())
            return false;
    for (PictureBox* plate : form.needPlates())
        if (!plate->isVisible())
            return false;
    for (Image* image : form.choiceImages())
        if (image->isVisible())
            return false;
    return true;
}

} // namespace

class ActionMenuTest : public QObject {
    Q_OBJECT
private slots:
    void buttonOffersItsChoices_data();
    void buttonOffersItsChoices();
    void sameButtonTwiceGivesTheSameView();
    void eatThenSleepLeavesTheClockStopped();
    void sleepThenEatShowsAllFourAgain();
    void dataButtonShowsTheNeedsAndRunsTheClockAt400();
    void choicePicturesAreNamedForScreenReaders();
};

void ActionMenuTest::buttonOffersItsChoices_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("actionKind");
    QTest::addColumn<QStringList>("pictures");
    QTest::addColumn<bool>("clockRuns");
    QTest::newRow("eat") << "imgEat" << 0 << QStringList{"f0.gif", "f1.gif", "f2.gif", "f3.gif"}
                         << false;
    QTest::newRow("drink") << "imgDrink" << 1 << QStringList{"d0.gif", "d1.gif", "d2.gif", "d3.gif"}
                           << false;
    QTest::newRow("play") << "imgPlay" << 2
                          << QStringList{"pl0.gif", "pl1.gif", "pl2.gif", "pl3.gif"} << false;
    QTest::newRow("sleep") << "imgSleep" << 3 << QStringList{"sl0.gif"} << true;
    QTest::newRow("treat") << "imgTreat" << 4 << QStringList{"t0.gif", "t1.gif", "t2.gif", "t3.gif"}
                           << false;
}

void ActionMenuTest::buttonOffersItsChoices() {
    QFETCH(QString, button);
    QFETCH(int, actionKind);
    QFETCH(QStringList, pictures);
    QFETCH(bool, clockRuns);
    PetWindow pet(kFreshPet);
    frmForm& form = pet.open();
    auto* control = form.findChild<Image*>(button);
    pet.clickOn(control);
    // A click leaves the focus where it was; a press without the mouse leads
    // to the first choice.
    QCOMPARE(form.focusWidget(), &form);
    control->press();
    QCOMPARE(form.focusWidget(), form.imgS0);
    QCOMPARE(form.ActionKind, qint16(actionKind));
    const auto images = form.choiceImages();
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(images[i]->isVisible(), i < pictures.size());
        if (i < pictures.size())
            QVERIFY2(showsPicture(form, images[i], pictures[i]), qPrintable(pictures[i]));
    }
    for (Label* label : form.panelLabels())
        QVERIFY(!label->isVisible());
    // The plates and their icons go too: beside one choice the panel is bare.
    for (PictureBox* plate : form.needPlates())
        QVERIFY(!plate->isVisible());
    QVERIFY(form.lblaD->isVisible());
    QVERIFY(form.lbllAge->isVisible());
    QCOMPARE(form.tmrM->isTicking(), clockRuns);
    if (clockRuns)
        QCOMPARE(form.tmrM->interval(), 500);
}

void ActionMenuTest::sameButtonTwiceGivesTheSameView() {
    PetWindow pet(kFreshPet);
    frmForm& form = pet.open();
    pet.clickOn(form.imgDrink);
    form.imgS2->setPicture(QPixmap());
    pet.clickOn(form.imgDrink);
    QVERIFY(showsPicture(form, form.imgS2, "d2.gif"));
    QVERIFY(form.imgS3->isVisible());
}

void ActionMenuTest::eatThenSleepLeavesTheClockStopped() {
    PetWindow pet(kFreshPet);
    frmForm& form = pet.open();
    pet.clickOn(form.imgEat);
    pet.clickOn(form.imgSleep);
    QCOMPARE(form.ActionKind, qint16(3));
    QVERIFY(showsPicture(form, form.imgS0, "sl0.gif"));
    QVERIFY(form.imgS1->isHidden());
    QVERIFY(!form.tmrM->isTicking());
    // Sleeping from here still stops nothing more and starts its 500-ms run.
    form.lblSS->setText("5");
    pet.clickOn(form.imgS0);
    QCOMPARE(form.tmrMove->interval(), 500);
    QVERIFY(!form.tmrM->isTicking());
}

void ActionMenuTest::sleepThenEatShowsAllFourAgain() {
    PetWindow pet(kFreshPet);
    frmForm& form = pet.open();
    pet.clickOn(form.imgSleep);
    pet.clickOn(form.imgEat);
    QCOMPARE(form.ActionKind, qint16(0));
    for (Image* image : form.choiceImages())
        QVERIFY(image->isVisible());
    QVERIFY(showsPicture(form, form.imgS0, "f0.gif"));
    QVERIFY(!form.tmrM->isTicking());
}

void ActionMenuTest::dataButtonShowsTheNeedsAndRunsTheClockAt400() {
    PetWindow pet(kFreshPet);
    frmForm& form = pet.open();
    pet.clickOn(form.imgStatic);
    QVERIFY(needsShown(form));
    QCOMPARE(form.tmrM->interval(), 400);
    pet.clickOn(form.imgPlay);
    form.lblSH->setText("9");
    pet.clickOn(form.imgStatic);
    QVERIFY(needsShown(form));
    QCOMPARE(form.lblSH->text(), QStringLiteral("9"));
    QCOMPARE(form.ActionKind, qint16(2));
    QVERIFY(form.tmrM->isTicking());
    QCOMPARE(form.tmrM->interval(), 400);
}

void ActionMenuTest::choicePicturesAreNamedForScreenReaders() {
    PetWindow pet(kFreshPet);
    frmForm& form = pet.open();
    for (Image* button : {form.imgEat, form.imgDrink, form.imgPlay, form.imgTreat}) {
        pet.clickOn(button);
        QStringList names;
        for (Image* image : form.choiceImages())
            names << image->accessibleName();
        QCOMPARE(names.removeDuplicates(), 0);
        QVERIFY(!names.contains(QString()));
    }
    QCOMPARE(form.imgEat->accessibleName(), QStringLiteral("Кушать"));
    QCOMPARE(form.imgEat->accessibleDescription(), QStringLiteral("Накормить питомца"));
    QCOMPARE(form.picMain->accessibleName(), QStringLiteral("Питомец"));
    form.lblSH->setText("7");
    QCOMPARE(form.lblSH->accessibleName(), QStringLiteral("Голод: 7"));
    QCOMPARE(form.lblaD->accessibleName(), QStringLiteral("Возраст: 4"));
}

QTEST_MAIN(ActionMenuTest)
#include "action_menu_test.moc"
