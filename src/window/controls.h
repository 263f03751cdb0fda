#pragma once

#include <QAccessible>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

class QPainter;
class SpokenNotice;

// Every control of the window takes the mouse events over its area, also
// without a handler, so that nothing reaches the control below it; movement
// arrives without a pressed button too, for the hover hints.

// A text label: white bold text over whatever lies behind it. It sizes itself
// to its text and keeps its left edge, unless it has a fixed size. Its text
// changes only through setText, so every change refits the label and tells
// screen readers; the text is shown as it stands, never read as markup.
class Label : public QWidget {
    Q_OBJECT
public:
    Label(QWidget* parent, const QString& text, int left, int top);
    Label(QWidget* parent, const QString& text, int left, int top, int width, int height);

    const QString& text() const { return text_; }
    void setText(const QString& text);

    // A caption read out before the value ("Голод: 5"); without one, screen
    // readers hear the text itself.
    void setSpokenCaption(const QString& caption);

    // A caption whose value label already says it: screen readers skip it.
    void hideFromScreenReaders() { hiddenFromScreenReaders_ = true; }
    bool hiddenFromScreenReaders() const { return hiddenFromScreenReaders_; }

    // The line where the pet answers: read as a status bar, and every new
    // text is announced.
    void makeStatusLine();
    bool isStatusLine() const { return statusLine_; }
    // Has screen readers say a text at once, unasked, as a notice of the line.
    void announce(const QString& text);
    // How many times the text has been written, changed or not.
    quint64 writeCount() const { return writeCount_; }

signals:
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void refit();

    QString text_;
    bool autoSize_;
    QString spokenCaption_;
    bool hiddenFromScreenReaders_ = false;
    bool statusLine_ = false;
    SpokenNotice* notice_ = nullptr;
    quint64 writeCount_ = 0;
};

// What a screen reader speaks as soon as it appears: a notice inside the
// status line that takes no room and is never drawn. Each text is shown for a
// moment and hidden again, so that it is said once and never read again.
class SpokenNotice : public QWidget {
    Q_OBJECT
public:
    explicit SpokenNotice(QWidget* parent);

    const QString& text() const { return text_; }
    void say(const QString& text);

private:
    QString text_;
};

// What image controls and picture boxes share: a picture drawn at natural size
// from the top-left corner, never stretched, and the mouse taken over the
// whole area. A click is a left press and release over the control.
//
// A control with a click handler is also operable from the keyboard and by a
// screen reader, but only while a mouse could click it: shown, and not lying
// under another control at its centre. Either way gives the same `clicked`.
class PictureControl : public QWidget {
    Q_OBJECT
public:
    PictureControl(QWidget* parent, int left, int top, int width, int height);

    const QPixmap& picture() const { return picture_; }

    // Lets Tab reach the control and Enter, Space and screen readers press it.
    void makeOperable();
    bool isOperable() const;
    // A click given without the mouse; refused while a mouse could not click.
    void press();

    // What a screen reader calls the control: a picture unless told otherwise.
    QAccessible::Role accessibleRole() const { return accessibleRole_; }
    void setAccessibleRole(QAccessible::Role role) { accessibleRole_ = role; }

    // A picture that only decorates what lies on it: screen readers skip it.
    void hideFromScreenReaders() { hiddenFromScreenReaders_ = true; }
    bool hiddenFromScreenReaders() const { return hiddenFromScreenReaders_; }

signals:
    void clicked();
    // After the click of a press from the keyboard or a screen reader.
    void pressedWithoutMouse();
    void mouseMoved();

protected:
    void storePicture(const QPixmap& picture);
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The keyboard focus, drawn only once the user has moved it with Tab.
    void paintFocusMark(QPainter& painter) const;

    QPixmap picture_;

private:
    bool pressed_ = false;
    bool operable_ = false;
    bool hiddenFromScreenReaders_ = false;
    QAccessible::Role accessibleRole_ = QAccessible::Graphic;
};

// An image control: takes its picture's size; without one it is transparent.
class Image : public PictureControl {
    Q_OBJECT
public:
    using PictureControl::PictureControl;

    void setPicture(const QPixmap& picture);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A picture box: a fixed area with a background colour behind its picture,
// which it clips.
class PictureBox : public PictureControl {
    Q_OBJECT
public:
    PictureBox(QWidget* parent, int left, int top, int width, int height, const QColor& background);

    void setPicture(const QPixmap& picture) { storePicture(picture); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor background_;
};

// Draws a picture at its natural size on screen from the painter's origin. A
// twin drawn for a 200 % screen shown on a 150 % one is smoothed as it shrinks
// instead of dropping whole rows and columns; where pixels match the screen's
// nothing is resampled.
void drawPicture(QPainter& painter, const QPixmap& picture);

// A timer run by its interval alone: above 0 it ticks every `interval` ms,
// 0 stops it, and setting an interval restarts the wait.
class FormTimer : public QObject {
    Q_OBJECT
public:
    FormTimer(QObject* parent, int interval);

    void setInterval(int ms);
    int interval() const { return interval_; }
    bool isTicking() const { return timer_.isActive(); }

    // Delivers one tick now, by the same path a real one takes; tests use it
    // where waiting for the clock would only make them slow.
    void tickNow() { emit tick(); }

signals:
    void tick();

private:
    QTimer timer_;
    int interval_ = 0;
};
