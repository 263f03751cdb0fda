#pragma once

#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

// The window's controls behave as the form runtime's did: every control takes
// the mouse events over its area, also without a handler, so nothing reaches
// the control below; movement arrives without a pressed button too.

// A text label: white bold text over whatever lies behind it. It sizes itself
// to its text and keeps its left edge, unless it has a fixed size.
class Label : public QLabel {
    Q_OBJECT
public:
    Label(QWidget* parent, const QString& text, int left, int top);
    Label(QWidget* parent, const QString& text, int left, int top, int width, int height);

    // Hides QLabel::setText so that every change of text refits the label.
    void setText(const QString& text);

    // A caption read out before the value ("Голод: 5"); without one, screen
    // readers hear the text itself.
    void setSpokenCaption(const QString& caption);

signals:
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void refit();

    bool autoSize_;
    QString spokenCaption_;
};

// An image control: shows its picture at natural size and takes its size.
class Image : public QWidget {
    Q_OBJECT
public:
    Image(QWidget* parent, int left, int top, int width, int height);

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }

signals:
    void clicked();
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    bool pressed_ = false;
};

// A picture box: a fixed area with a background colour and a picture drawn
// from its top-left corner, clipped, never stretched.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(QWidget* parent, int left, int top, int width, int height, const QColor& background);

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }

signals:
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QColor background_;
    QPixmap picture_;
};

// A timer with the form runtime's Interval: above 0 it ticks every Interval
// ms, 0 stops it, and setting an Interval restarts the wait.
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
