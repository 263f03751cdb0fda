// The need clock: every tick brings the needs back into their range and shows
// the next idle picture of the pet.
#include "core/conversions.h"
#include "core/idle_pictures.h"
#include "core/runtime_error.h"
#include "need_range.h"
#include "window/frm_form.h"

void frmForm::tmrM_Timer() {
    try {
        // Each label is read afresh for each test; one in range keeps its text.
        for (Need need : kNeedOrder)
            if (aboveNeedRange(needValue(need)))
                setNeed(need, kNeedMax);
        for (Need need : kNeedOrder)
            if (belowNeedRange(needValue(need)))
                setNeed(need, kNeedMin);
        IdleFrame = addChecked16(IdleFrame, 1);
        if (IdleFrame == kIdlePictureCount)
            IdleFrame = 0;
        if (const auto name = idlePictureName(IdleFrame))
            picMain->setPicture(loadPicture(*name));
    } catch (const RuntimeError& error) {
        // A clock that cannot run would leave the pet frozen: report and end,
        // keeping the pet file as it was.
        runtime_.endProgramAfterReport(error);
    }
}

// A need that is no number is never settled: the clock reports it itself.
bool frmForm::needsSettled() const {
    try {
        for (Need need : kNeedOrder)
            if (aboveNeedRange(needValue(need)) || belowNeedRange(needValue(need)))
                return false;
        return true;
    } catch (const RuntimeError&) {
        return false;
    }
}
