#pragma once

#include "core/need.h"

#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>

// How a row's refusal bound is compared with the need it tests.
enum class RefusalTest { AtMost, AtLeast, Above };

// One row of the effect table: what a care choice does to the five needs.
struct CareEffect {
    qint16 actionKind;
    qint16 choiceIndex;
    Need tested;
    RefusalTest refusedWhen;
    double bound;
    const char* refusal;
    std::array<std::optional<int>, kNeedCount> changes; // indexed by Need; empty: untouched
    const char* reply;
};

// The row for a choice, or none when the action has no such choice.
const CareEffect* careEffectFor(qint16 actionKind, qint16 choiceIndex);

// Whether the pet turns the choice down at the tested need's current value.
bool refuses(const CareEffect& effect, double testedValue);

QString refusalText(const CareEffect& effect);
QString replyText(const CareEffect& effect);
