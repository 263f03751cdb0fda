// What the window says and where its focus goes for a user who cares for the
// pet without seeing it: by the keyboard or through a screen reader.
#include "frm_form.h"

void frmForm::connectSpokenFeedback() {
    for (Image* button : {imgEat, imgDrink, imgPlay, imgSleep, imgTreat})
        connect(button, &Image::pressedWithoutMouse, this, &frmForm::leadToChoices);
    connect(imgStatic, &Image::pressedWithoutMouse, this, &frmForm::speakNeeds);
    // After the need clock's own handler, which this follows in connection order.
    connect(tmrM, &FormTimer::tick, this, &frmForm::speakSettledNeeds);
}

// The pet's answer is said at once, however the choice was given, and again
// when the same choice brings the same answer, since the user chose again.
void frmForm::choose(qint16 n) {
    const quint64 writes = lblSTR->writeCount();
    runtime_.handleEvent([this, n] { imgS_Click(n); });
    if (lblSTR->writeCount() != writes)
        lblSTR->announce(lblSTR->text());
}

// The choices appear above the buttons, out of the way Tab goes: the focus
// moves to the first of them, so that it is heard. A click leaves the focus
// where it was, and mouse users see no mark.
void frmForm::leadToChoices() {
    if (imgS0->isOperable())
        imgS0->setFocus(Qt::OtherFocusReason);
}

// A care run leaves its raw results in the window, below 0 or above 10, until
// the need clock's next tick brings them back into range; the listener hears
// the values the window settles on, as a sighted user sees them.
void frmForm::speakNeeds() {
    needsToSpeak_ = true;
    speakSettledNeeds();
}

// The needs and the age in one sentence, in the window's order.
void frmForm::speakSettledNeeds() {
    if (!needsToSpeak_ || !needsSettled())
        return;
    needsToSpeak_ = false;
    QStringList values;
    for (Need need : kNeedOrder)
        values << needLabel(need)->accessibleName();
    values << lblaD->accessibleName();
    lblSTR->announce(values.join(QStringLiteral(", ")));
}
