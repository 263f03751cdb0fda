#include "interaction/hint_texts.h"
#include "support/pet_window.h"

#include <QAccessible>
#include <QFontInfo>

class LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void windowHasItsDesignedSize();
    void controlsSitWhereDesigned_data();
    void controlsSitWhereDesigned();
    void designTimeState();
    void controlsStackAsDesigned_data();
    void controlsStackAsDesigned();
    void valueLabelWidensToTheRight();
    void captionsFitBeforeTheirValues();
    void everyHintFitsTheStatusLine();
    void choiceImageTakesItsPicturesSize();
    void screenReadersHearWhatEachControlIs_data();
    void screenReadersHearWhatEachControlIs();
    void statusLineIsReadAsItsCurrentText();
};

void LayoutTest::windowHasItsDesignedSize() {
    PetWindow pet(kFreshPet);
    frmForm& form = pet.open();
    QCOMPARE(form.size(), QSize(282, 281));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QCOMPARE(form.windowIcon().pixmap(32, 32).size(), QSize(32, 32));
    QCOMPARE(form.picture().size(), QSize(282, 281));
    QCOMPARE(form.picS->picture().size(), QSize(257, 65));
    QCOMPARE(form.picMain->picture().size(), QSize(170, 142));
}

void LayoutTest::controlsSitWhereDesigned_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    // Labels size themselves; only their left and top are fixed, and they
    // stay 13 px high.
    QTest::newRow("picS") << "picS" << QRect(11, 11, 257, 65);
    QTest::newRow("picMain") << "picMain" << QRect(96, 112, 170, 142);
    QTest::newRow("imgHideImg") << "imgHideImg" << QRect(0, 0, 281, 89);
    QTest::newRow("imgHideBut") << "imgHideBut" << QRect(0, 88, 89, 193);
    QTest::newRow("imgStatic") << "imgStatic" << QRect(8, 112, 80, 23);
    QTest::newRow("imgEat") << "imgEat" << QRect(8, 136, 80, 23);
    QTest::newRow("imgDrink") << "imgDrink" << QRect(8, 160, 80, 23);
    QTest::newRow("imgPlay") << "imgPlay" << QRect(8, 184, 80, 23);
    QTest::newRow("imgSleep") << "imgSleep" << QRect(8, 208, 80, 23);
    QTest::newRow("imgTreat") << "imgTreat" << QRect(8, 232, 80, 23);
    QTest::newRow("lblSTR") << "lblSTR" << QRect(11, 256, 257, 17);
    QTest::newRow("imgS0") << "imgS0" << QRect(0, 0, 65, 65);
    QTest::newRow("imgS1") << "imgS1" << QRect(64, 0, 65, 65);
    QTest::newRow("imgS2") << "imgS2" << QRect(128, 0, 65, 65);
    QTest::newRow("imgS3") << "imgS3" << QRect(192, 0, 65, 65);
    QTest::newRow("lblaD") << "lblaD" << QRect(104, 96, -1, 13);
    QTest::newRow("lbllAge") << "lbllAge" << QRect(40, 96, -1, 13);
    QTest::newRow("lblW1") << "lblW1" << QRect(32, 8, -1, 13);
    QTest::newRow("lblSH") << "lblSH" << QRect(88, 8, -1, 13);
    QTest::newRow("lblW2") << "lblW2" << QRect(32, 24, -1, 13);
    QTest::newRow("lblSD") << "lblSD" << QRect(88, 24, -1, 13);
    QTest::newRow("lblW3") << "lblW3" << QRect(128, 8, -1, 13);
    QTest::newRow("lblSI") << "lblSI" << QRect(208, 8, -1, 13);
    QTest::newRow("lblW4") << "lblW4" << QRect(128, 24, -1, 13);
    QTest::newRow("lblSS") << "lblSS" << QRect(208, 24, -1, 13);
    QTest::newRow("lblW5") << "lblW5" << QRect(128, 40, -1, 13);
    QTest::newRow("lblSHe") << "lblSHe" << QRect(208, 40, -1, 13);
}

void LayoutTest::controlsSitWhereDesigned() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    PetWindow pet(kFreshPet);
    frmForm& form = pet.open();
    auto* control = form.findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->pos(), geometry.topLeft());
    QCOMPARE(control->height(), geometry.height());
    if (geometry.width() >= 0)
        QCOMPARE(control->width(), geometry.width());
}

void LayoutTest::designTimeState() {
    ScriptedServices services(QStringLiteral("/nonexistent"));
    frmForm form(services);
    QCOMPARE(form.windowTitle(), QStringLiteral("Pet"));
    for (Label* value : {form.lblSH, form.lblSD, form.lblSI, form.lblSS, form.lblSHe, form.lblaD})
        QCOMPARE(value->text(), QStringLiteral("0"));
    QCOMPARE(form.lblSTR->text(), QString());
    for (QWidget* hidden : {form.imgS0, form.imgS1, form.imgS2, form.imgS3})
        QVERIFY(hidden->isHidden());
    QVERIFY(form.imgHideBut->isHidden());
    QVERIFY(form.imgHideImg->isHidden());
    QCOMPARE(form.tmrM->interval(), 500);
    QCOMPARE(form.tmrMove->interval(), 0);
    QCOMPARE(form.AppFolder, QString());
    QCOMPARE(form.IdleFrame + form.ActionKind + form.ChoiceIndex + form.FrameCounter, 0);
}

void LayoutTest::controlsStackAsDesigned_data() {
    QTest::addColumn<bool>("coversShown");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("topmost");
    QTest::newRow("button") << false << QPoint(20, 140) << "imgEat";
    QTest::newRow("age caption") << false << QPoint(45, 100) << "lbllAge";
    QTest::newRow("status line") << false << QPoint(20, 262) << "lblSTR";
    QTest::newRow("need label above the panel") << false << QPoint(11 + 90, 11 + 12) << "lblSH";
    QTest::newRow("hunger's plate under its icon, beside its caption")
        << false << QPoint(11 + 17, 11 + 14) << "picW1";
    QTest::newRow("cover over a button") << true << QPoint(20, 140) << "imgHideBut";
    QTest::newRow("cover over the age caption's left") << true << QPoint(45, 100) << "imgHideBut";
    QTest::newRow("age value beside the cover") << true << QPoint(106, 100) << "lblaD";
    QTest::newRow("cover over the status line's left") << true << QPoint(20, 262) << "imgHideBut";
    QTest::newRow("status line's right beside the cover") << true << QPoint(150, 262) << "lblSTR";
    QTest::newRow("panel above the top cover") << true << QPoint(11 + 90, 11 + 12) << "lblSH";
    QTest::newRow("panel's own surface above the top cover")
        << true << QPoint(11 + 5, 11 + 60) << "picS";
    QTest::newRow("top cover over the surface") << true << QPoint(5, 5) << "imgHideImg";
    QTest::newRow("top band where the covers meet") << true << QPoint(40, 88) << "imgHideImg";
}

void LayoutTest::controlsStackAsDesigned() {
    QFETCH(bool, coversShown);
    QFETCH(QPoint, point);
    QFETCH(QString, topmost);
    PetWindow pet(kFreshPet);
    frmForm& form = pet.open();
    form.imgHideBut->setVisible(coversShown);
    form.imgHideImg->setVisible(coversShown);
    QWidget* hit = form.childAt(point);
    QVERIFY(hit);
    QCOMPARE(hit->objectName(), topmost);
}

void LayoutTest::valueLabelWidensToTheRight() {
    PetWindow pet(kFreshPet);
    frmForm& form = pet.open();
    const int narrow = form.lblSH->width();
    const QRect caption = form.lblW1->geometry();
    form.lblSH->setText("10");
    QVERIFY(form.lblSH->width() > narrow);
    QCOMPARE(form.lblSH->pos(), QPoint(88, 8));
    QCOMPARE(form.lblW1->geometry(), caption);
    form.lblSH->setText("0");
    QCOMPARE(form.lblSH->width(), narrow);
}

void LayoutTest::captionsFitBeforeTheirValues() {
    PetWindow pet(kFreshPet);
    frmForm& form = pet.open();
    QVERIFY2(QFontInfo(form.lblW1->font()).bold(), "labels are bold");
    const std::pair<Label*, Label*> rows[] = {
        {form.lblW1, form.lblSH}, {form.lblW2, form.lblSD},  {form.lblW3, form.lblSI},
        {form.lblW4, form.lblSS}, {form.lblW5, form.lblSHe}, {form.lbllAge, form.lblaD}};
    for (const auto& [caption, value] : rows)
        QVERIFY2(caption->geometry().right() < value->x(), qPrintable(caption->text()));
    // Two-digit values of the left column stay clear of the right column, and
    // every caption and value stands on its need's plate, right of its icon.
    showNeeds(form, {"-10", "-10", "-10", "-10", "-10"});
    QVERIFY(form.lblSH->geometry().right() < form.lblW3->x());
    const auto plates = form.needPlates();
    for (std::size_t i = 0; i < plates.size(); ++i) {
        const QRect plate = plates[i]->geometry();
        const auto [caption, value] = rows[i];
        QVERIFY2(plate.contains(caption->geometry().united(value->geometry())),
                 qPrintable(caption->text()));
    }
}

void LayoutTest::everyHintFitsTheStatusLine() {
    PetWindow pet(kFreshPet);
    frmForm& form = pet.open();
    for (int t = int(HintTarget::WindowSurface); t <= int(HintTarget::Pet); ++t) {
        const QString hint = hintFor(HintTarget(t));
        QVERIFY2(form.lblSTR->fontMetrics().horizontalAdvance(hint) <= form.lblSTR->width(),
                 qPrintable(hint));
    }
}

void LayoutTest::choiceImageTakesItsPicturesSize() {
    PetWindow pet(kFreshPet);
    frmForm& form = pet.open();
    const QRect neighbour = form.imgS1->geometry();
    form.imgS0->setPicture(form.loadPicture("p0.gif"));
    QCOMPARE(form.imgS0->geometry(), QRect(0, 0, 170, 142));
    QCOMPARE(form.imgS1->geometry(), neighbour);
}

void LayoutTest::screenReadersHearWhatEachControlIs_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("spoken");
    for (const auto& [name, word] : {std::pair{"imgStatic", "Данные"},
                                     {"imgEat", "Кушать"},
                                     {"imgDrink", "Пить"},
                                     {"imgPlay", "Играть"},
                                     {"imgSleep", "Спать"},
                                     {"imgTreat", "Лечить"}})
        QTest::newRow(name) << name << QAccessible::Button << QString::fromUtf8(word);
    for (const char* name : {"imgS0", "imgS1", "imgS2", "imgS3"})
        QTest::newRow(name) << name << QAccessible::Button << QString();
    QTest::newRow("picMain") << "picMain" << QAccessible::Graphic << "Питомец";
    QTest::newRow("picS") << "picS" << QAccessible::Pane << QString();
    QTest::newRow("lblSH") << "lblSH" << QAccessible::StaticText << "Голод: 5";
    QTest::newRow("lblaD") << "lblaD" << QAccessible::StaticText << "Возраст: 4";
}

void LayoutTest::screenReadersHearWhatEachControlIs() {
    QFETCH(QString, name);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, spoken);
    PetWindow pet(kFreshPet);
    frmForm& form = pet.open();
    QAccessibleInterface* control =
        QAccessible::queryAccessibleInterface(form.findChild<QWidget*>(name));
    QVERIFY(control);
    QCOMPARE(control->role(), role);
    QCOMPARE(control->text(QAccessible::Name), spoken);
}

// The pet's replies and the hints are heard because the line's spoken name
// follows its text.
void LayoutTest::statusLineIsReadAsItsCurrentText() {
    PetWindow pet(kFreshPet);
    frmForm& form = pet.open();
    QAccessibleInterface* line = QAccessible::queryAccessibleInterface(form.lblSTR);
    pet.moveOver(form.imgEat);
    QCOMPARE(line->text(QAccessible::Name), QStringLiteral("Накормить питомца"));
    form.lblSTR->setText(QStringLiteral("Уголёк: Спасибо!"));
    QCOMPARE(line->text(QAccessible::Name), QStringLiteral("Уголёк: Спасибо!"));
}

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
