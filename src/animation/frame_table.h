#pragma once

#include <QString>
#include <QtGlobal>

// Frame timer intervals: every care run steps at 400 ms, sleep at 500 ms.
inline constexpr int kMoveIntervalMs = 400;
inline constexpr int kSleepMoveIntervalMs = 500;

// How one action's care run plays.
struct FramePlan {
    const char* family; // file name prefix of the action's frames
    qint16 frames;      // frames shown, one per tick
    qint16 endingTick;  // the tick after the last frame ends the run
    int intervalMs;     // time between ticks
    bool readsChoice;   // the option picks the frames (all but sleep)
};

// The plan of an action, or none for a value that is no action.
const FramePlan* framePlanFor(qint16 actionKind);

// The frame shown on a tick (1 = first): family, option digit (sleep always
// 0), frame digit counted from 0. "pfM20.gif" is eat, option 2, tick 1.
QString frameFileName(qint16 actionKind, qint16 choiceIndex, qint16 tick);

// Play's squeaky toy beeps after its first and its last frame.
bool beepsAfterFrame(qint16 actionKind, qint16 choiceIndex, qint16 tick);
