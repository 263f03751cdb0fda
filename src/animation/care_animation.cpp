// The care run: frame pictures in the pet box, one per tick of tmrMove, behind
// the covers that keep the buttons from being used meanwhile.
#include "core/action_kind.h"
#include "core/conversions.h"
#include "core/need_clock_interval.h"
#include "core/runtime_error.h"
#include "frame_table.h"
#include "window/frm_form.h"

// The covers go up and the frame timer starts at the pace of the action's
// run: every care run steps at 400 ms, the slower sleep at 500 ms.
void frmForm::PrepareForMove() {
    const FramePlan* plan = framePlanFor(ActionKind);
    if (!plan)
        return;
    imgHideBut->show();
    imgHideImg->show();
    tmrMove->setInterval(plan->intervalMs);
}

void frmForm::StopMove() {
    imgHideBut->hide();
    imgHideImg->hide();
    imgStatic_Click();
    tmrMove->setInterval(0);
    tmrM->setInterval(kNeedClockIntervalMs);
    FrameCounter = 0;
    speakNeeds();
}

void frmForm::tmrMove_Timer() {
    try {
        const FramePlan* plan = framePlanFor(ActionKind);
        if (!plan)
            return;
        if (plan->readsChoice && (ChoiceIndex < 0 || ChoiceIndex >= kChoiceCount))
            return;
        // Advanced first, so that a frame that fails to load still moves the run on.
        FrameCounter = addChecked16(FrameCounter, 1);
        if (FrameCounter == plan->endingTick) {
            StopMove();
            return;
        }
        if (FrameCounter >= 1 && FrameCounter <= plan->frames) {
            picMain->setPicture(loadPicture(frameFileName(ActionKind, ChoiceIndex, FrameCounter)));
            if (beepsAfterFrame(ActionKind, ChoiceIndex, FrameCounter))
                runtime_.beep();
        }
    } catch (const RuntimeError& error) {
        runtime_.showErrorReport(error);
    }
}
