// Care outcomes: a click on a choice image lets the pet refuse or changes the
// needs by the effect table, answers in the status line and starts the run.
#include "care_effect_table.h"
#include "core/action_kind.h"
#include "window/frm_form.h"

void frmForm::imgS_Click(qint16 n) {
    ChoiceIndex = n;
    const CareEffect* effect = careEffectFor(ActionKind, n);
    if (!effect)
        return;
    if (refuses(*effect, needValue(effect->tested))) {
        answer(refusalText(*effect));
        return;
    }
    // Sleep was offered with the need clock running; it stops before any change.
    if (ActionKind == kActionSleep)
        tmrM->setInterval(0);
    applyCareEffect(*effect);
    answer(replyText(*effect));
    PrepareForMove();
}

// Unbounded: the need clock's next tick brings the results back into range.
void frmForm::applyCareEffect(const CareEffect& effect) {
    for (Need need : kNeedOrder)
        if (const auto change = effect.changes[needIndex(need)])
            setNeed(need, needValue(need) + *change);
}

// The name is read at the moment of the answer.
void frmForm::answer(const QString& text) {
    lblSTR->setText(windowTitle() + QStringLiteral(": ") + text);
}
