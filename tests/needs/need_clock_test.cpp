#include "support/pet_window.h"

class NeedClockTest : public QObject {
    Q_OBJECT
private slots:
    void tickBoundsEveryNeed_data();
    void tickBoundsEveryNeed();
    void idlePicturesCycle();
    void stoppedClockContinuesItsCycle();
    void clockTicksOnItsOwn();
    void failureEndsTheProgramWithoutSaving_data();
    void failureEndsTheProgramWithoutSaving();
};

void NeedClockTest::tickBoundsEveryNeed_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("11") << QStringLiteral("11") << QStringLiteral("10");
    QTest::newRow("10 stays") << QStringLiteral("10") << QStringLiteral("10");
    QTest::newRow("-3") << QStringLiteral("-3") << QStringLiteral("0");
    QTest::newRow("0 stays") << QStringLiteral("0") << QStringLiteral("0");
    QTest::newRow("in range keeps its text") << QStringLiteral(" 7") << QStringLiteral(" 7");
    QTest::newRow("far above") << QStringLiteral("32000") << QStringLiteral("10");
    QTest::newRow("fraction above") << QStringLiteral("10,5") << QStringLiteral("10");
}

void NeedClockTest::tickBoundsEveryNeed() {
    QFETCH(QString, before);
    QFETCH(QString, after);
    PetWindow pet(kFreshPet);
    frmForm& form = pet.open();
    for (Need need : kNeedOrder)
        form.needLabel(need)->setText(before);
    form.tmrM->tickNow();
    for (Need need : kNeedOrder)
        QCOMPARE(form.needLabel(need)->text(), after);
    QVERIFY(pet.services.boxes().isEmpty());
}

void NeedClockTest::idlePicturesCycle() {
    PetWindow pet(kFreshPet);
    frmForm& form = pet.open();
    QVERIFY(petShows(form, "p0.gif"));
    for (const char* next : {"p1.gif", "p2.gif", "p0.gif", "p1.gif"}) {
        form.tmrM->tickNow();
        QVERIFY2(petShows(form, next), next);
    }
}

void NeedClockTest::stoppedClockContinuesItsCycle() {
    PetWindow pet(kFreshPet);
    frmForm& form = pet.open();
    form.tmrM->tickNow();
    form.tmrM->tickNow();
    QVERIFY(petShows(form, "p2.gif"));
    pet.clickOn(form.imgEat);
    QVERIFY(!form.tmrM->isTicking());
    pet.clickOn(form.imgStatic);
    form.tmrM->tickNow();
    QVERIFY(petShows(form, "p0.gif"));
}

void NeedClockTest::clockTicksOnItsOwn() {
    PetWindow pet(kFreshPet);
    frmForm& form = pet.open();
    form.lblSH->setText("12");
    QTRY_COMPARE_WITH_TIMEOUT(form.lblSH->text(), QStringLiteral("10"), 1500);
    QCOMPARE(form.IdleFrame, qint16(1));
}

void NeedClockTest::failureEndsTheProgramWithoutSaving_data() {
    QTest::addColumn<QString>("missingPicture");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("reportHas");
    QTest::newRow("missing p1.gif")
        << QStringLiteral("p1.gif") << QStringLiteral("5") << QStringLiteral("p1.gif");
    QTest::newRow("a need that is no number")
        << QString() << QStringLiteral("голоден") << QStringLiteral("голоден");
}

void NeedClockTest::failureEndsTheProgramWithoutSaving() {
    QFETCH(QString, missingPicture);
    QFETCH(QString, caption);
    QFETCH(QString, reportHas);
    PetWindow pet(kFreshPet);
    frmForm& form = pet.open();
    if (!missingPicture.isEmpty())
        pet.folder.removePicture(missingPicture);
    form.lblSD->setText("15");
    form.lblSS->setText(caption);
    form.tmrM->tickNow();
    QCOMPARE(pet.services.boxes().size(), 1);
    QVERIFY(pet.services.boxes()[0].text.startsWith("Ошибка в программе! "));
    QVERIFY(pet.services.boxes()[0].text.contains(reportHas));
    QVERIFY(pet.services.ended());
    // The steps before the failure stay done.
    QCOMPARE(form.lblSD->text(), QStringLiteral("10"));
    const QByteArray before = pet.folder.petFileBytes();
    pet.close();
    QCOMPARE(pet.folder.petFileBytes(), before);
}

QTEST_MAIN(NeedClockTest)
#include "need_clock_test.moc"
