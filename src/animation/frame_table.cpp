#include "frame_table.h"

#include "core/action_kind.h"

namespace {

// Indexed by ActionKind.
constexpr FramePlan kFramePlans[] = {
    {"pfM", 4, 5, kMoveIntervalMs, true},        // eat
    {"pdM", 4, 5, kMoveIntervalMs, true},        // drink
    {"pgM", 4, 5, kMoveIntervalMs, true},        // play
    {"pSSM", 3, 4, kSleepMoveIntervalMs, false}, // sleep
    {"pHeM", 2, 3, kMoveIntervalMs, true},       // treat
};

constexpr qint16 kBeepingToy = 3;

} // namespace

const FramePlan* framePlanFor(qint16 actionKind) {
    if (actionKind < kActionEat || actionKind > kActionTreat)
        return nullptr;
    return &kFramePlans[actionKind];
}

QString frameFileName(qint16 actionKind, qint16 choiceIndex, qint16 tick) {
    const FramePlan* plan = framePlanFor(actionKind);
    if (!plan)
        return QString();
    const qint16 option = plan->readsChoice ? choiceIndex : 0;
    return QStringLiteral("%1%2%3.gif").arg(QLatin1String(plan->family)).arg(option).arg(tick - 1);
}

bool beepsAfterFrame(qint16 actionKind, qint16 choiceIndex, qint16 tick) {
    const FramePlan* plan = framePlanFor(actionKind);
    return actionKind == kActionPlay && choiceIndex == kBeepingToy &&
           (tick == 1 || tick == plan->frames);
}
