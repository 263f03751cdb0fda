#include "core/runtime_error.h"
#include "pet/life_check.h"
#include "pet/saved_on.h"

#include <QTest>

class LifeCheckTest : public QObject {
    Q_OBJECT
private slots:
    void oldAge_data();
    void oldAge();
    void neglect_data();
    void neglect();
    void daysAwayWorsenEveryNeed();
    void savedOnReadsBack_data();
    void savedOnReadsBack();
    void savedOnRejects_data();
    void savedOnRejects();
    void daysAwayCountsCalendarDays_data();
    void daysAwayCountsCalendarDays();
};

void LifeCheckTest::oldAge_data() {
    QTest::addColumn<double>("age");
    QTest::addColumn<bool>("died");
    QTest::newRow("19") << 19.0 << false;
    QTest::newRow("19.5") << 19.5 << false;
    QTest::newRow("20") << 20.0 << true;
    QTest::newRow("25") << 25.0 << true;
    QTest::newRow("negative") << -3.0 << false;
}

void LifeCheckTest::oldAge() {
    QFETCH(double, age);
    QFETCH(bool, died);
    QCOMPARE(diedOfOldAge(age), died);
}

void LifeCheckTest::neglect_data() {
    QTest::addColumn<double>("hunger");
    QTest::addColumn<double>("thirst");
    QTest::addColumn<double>("health");
    QTest::addColumn<double>("mood");
    QTest::addColumn<double>("sleepiness");
    QTest::addColumn<bool>("died");
    QTest::newRow("limits reached: 10, 10, 0") << 10.0 << 10.0 << 0.0 << 5.0 << 0.0 << true;
    QTest::newRow("beyond the limits") << 14.0 << 12.0 << -3.0 << 5.0 << 0.0 << true;
    QTest::newRow("thirst 9 saves hunger and health") << 10.0 << 9.0 << 0.0 << 0.0 << 10.0 << false;
    QTest::newRow("hunger 9") << 9.0 << 10.0 << 0.0 << 5.0 << 0.0 << false;
    QTest::newRow("health 1") << 10.0 << 10.0 << 1.0 << 5.0 << 0.0 << false;
    QTest::newRow("second group: thirst, mood, sleepiness")
        << 0.0 << 10.0 << 10.0 << 0.0 << 10.0 << true;
    QTest::newRow("mood 1") << 0.0 << 10.0 << 10.0 << 1.0 << 10.0 << false;
    QTest::newRow("sleepiness 9") << 0.0 << 10.0 << 10.0 << 0.0 << 9.0 << false;
    QTest::newRow("healthy") << 5.0 << 5.0 << 10.0 << 5.0 << 0.0 << false;
}

void LifeCheckTest::neglect() {
    QFETCH(double, hunger);
    QFETCH(double, thirst);
    QFETCH(double, health);
    QFETCH(double, mood);
    QFETCH(double, sleepiness);
    QFETCH(bool, died);
    QCOMPARE(diedOfNeglect(hunger, thirst, health, mood, sleepiness), died);
}

void LifeCheckTest::daysAwayWorsenEveryNeed() {
    // Stored 5, 5, 5, 0, 10 and one day away: 7, 8, 3, 3, 8.
    QCOMPARE(needAfterDaysAway(Need::Hunger, 5, 1), 7.0);
    QCOMPARE(needAfterDaysAway(Need::Thirst, 5, 1), 8.0);
    QCOMPARE(needAfterDaysAway(Need::Mood, 5, 1), 3.0);
    QCOMPARE(needAfterDaysAway(Need::Sleepiness, 0, 1), 3.0);
    QCOMPARE(needAfterDaysAway(Need::Health, 10, 1), 8.0);
    // Unclamped after a long absence.
    QCOMPARE(needAfterDaysAway(Need::Health, 10, 30), -21.0);
    QCOMPARE(needAfterDaysAway(Need::Thirst, 5, 30), 37.0);
}

void LifeCheckTest::savedOnReadsBack_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::newRow("two-digit day and month") << "06.12.2026" << QDate(2026, 12, 6);
    QTest::newRow("one-digit day and month") << "6.1.2026" << QDate(2026, 1, 6);
    QTest::newRow("leap day") << "29.02.2024" << QDate(2024, 2, 29);
    QTest::newRow("spaces around") << " 6.1.2026\t" << QDate(2026, 1, 6);
}

void LifeCheckTest::savedOnReadsBack() {
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(savedOnDate(text), date);
    QCOMPARE(savedOnDate(savedOnText(date)), date);
}

void LifeCheckTest::savedOnRejects_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("the fresh-pet marker") << "00.00.0000";
    QTest::newRow("no leap day") << "29.02.2023";
    QTest::newRow("month 13") << "01.13.2026";
    QTest::newRow("words") << "вчера";
    QTest::newRow("empty") << "";
    QTest::newRow("slashes and two-digit year") << "06/12/26";
    QTest::newRow("three-digit day") << "106.12.2026";
    QTest::newRow("five-digit year") << "06.12.20266";
    QTest::newRow("no year") << "06.12.";
    QTest::newRow("no month") << "06..2026";
    QTest::newRow("a word after it") << "06.12.2026 г.";
}

void LifeCheckTest::savedOnRejects() {
    QFETCH(QString, text);
    try {
        savedOnDate(text);
        QFAIL("a text that is no date was read as one");
    } catch (const RuntimeError& error) {
        QVERIFY(error.description().contains(QStringLiteral("не является датой")));
    }
}

void LifeCheckTest::daysAwayCountsCalendarDays_data() {
    QTest::addColumn<QDate>("savedOn");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("days");
    QTest::newRow("same day") << QDate(2026, 12, 7) << QDate(2026, 12, 7) << 0;
    QTest::newRow("over a year end") << QDate(2026, 12, 30) << QDate(2027, 1, 2) << 3;
    QTest::newRow("clock set back") << QDate(2026, 12, 10) << QDate(2026, 12, 7) << -3;
}

void LifeCheckTest::daysAwayCountsCalendarDays() {
    QFETCH(QDate, savedOn);
    QFETCH(QDate, today);
    QFETCH(int, days);
    QCOMPARE(daysAway(savedOn, today), days);
}

QTEST_GUILESS_MAIN(LifeCheckTest)
#include "life_check_test.moc"
