#include "animation/frame_table.h"
#include "core/action_kind.h"

#include <QSet>
#include <QTest>

// The whole frame table, checked as the set of files the runs can ask for.
class FrameTableTest : public QObject {
    Q_OBJECT
private slots:
    void namesEveryFrameOnce();
    void noPlanOutsideTheActions();
};

void FrameTableTest::namesEveryFrameOnce() {
    QSet<QString> names;
    int count = 0;
    for (qint16 action = kActionEat; action <= kActionTreat; ++action) {
        const FramePlan* plan = framePlanFor(action);
        QVERIFY(plan);
        QCOMPARE(plan->endingTick, qint16(plan->frames + 1));
        const int options = plan->readsChoice ? kChoiceCount : 1;
        for (qint16 option = 0; option < options; ++option)
            for (qint16 tick = 1; tick <= plan->frames; ++tick, ++count)
                names.insert(frameFileName(action, option, tick));
    }
    QCOMPARE(count, 59);
    QCOMPARE(names.size(), 59);
    QVERIFY(names.contains("pSSM02.gif"));
    QVERIFY(names.contains("pHeM31.gif"));
    // Sleep ignores the option it is given.
    QCOMPARE(frameFileName(kActionSleep, 3, 2), QStringLiteral("pSSM01.gif"));
}

void FrameTableTest::noPlanOutsideTheActions() {
    QVERIFY(!framePlanFor(-1));
    QVERIFY(!framePlanFor(5));
    QVERIFY(!beepsAfterFrame(-1, 3, 1));
    QCOMPARE(frameFileName(7, 0, 1), QString());
}

QTEST_GUILESS_MAIN(FrameTableTest)
#include "frame_table_test.moc"
