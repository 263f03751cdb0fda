#include "controls.h"

#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <utility>

namespace {

// Bold, 11 pixels high (8.25 points at 96 dpi): the size every label's place
// in the window is measured for.
QFont labelFont() {
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPixelSize(11);
    font.setBold(true);
    return font;
}

void takeMouse(QWidget* widget) {
    widget->setMouseTracking(true);
    widget->setAttribute(Qt::WA_NoMousePropagation);
}

} // namespace

Label::Label(QWidget* parent, const QString& text, int left, int top)
    : QWidget(parent), autoSize_(true) {
    setFont(labelFont());
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    setPalette(palette);
    takeMouse(this);
    move(left, top);
    setText(text);
}

Label::Label(QWidget* parent, const QString& text, int left, int top, int width, int height)
    : Label(parent, text, left, top) {
    autoSize_ = false;
    setGeometry(left, top, width, height);
}

void Label::setText(const QString& text) {
    ++writeCount_;
    const QString old = std::exchange(text_, text);
    refit();
    update();
    if (!spokenCaption_.isEmpty())
        setAccessibleName(spokenCaption_ + QStringLiteral(": ") + text);
    if (old == text || !QAccessible::isActive())
        return;
    // A label without a name of its own is heard as its text.
    if (accessibleName().isEmpty()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    // Screen readers speak a status line when they are told its text changed.
    if (statusLine_) {
        QAccessibleTextUpdateEvent event(this, 0, old, text);
        QAccessible::updateAccessibility(&event);
    }
}

// Left-aligned and centred in height, as a plain text label draws it.
void Label::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const Qt::LayoutDirection direction = text_.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    const int flags =
        int(QStyle::visualAlignment(direction, Qt::AlignLeft | Qt::AlignVCenter)) |
        (direction == Qt::LeftToRight ? Qt::TextForceLeftToRight : Qt::TextForceRightToLeft);
    style()->drawItemText(&painter, rect(), flags, palette(), isEnabled(), text_, foregroundRole());
}

void Label::makeStatusLine() {
    statusLine_ = true;
    if (!notice_)
        notice_ = new SpokenNotice(this);
}

void Label::announce(const QString& text) {
    if (notice_)
        notice_->say(text);
}

void Label::setSpokenCaption(const QString& caption) {
    spokenCaption_ = caption;
    setAccessibleName(spokenCaption_ + QStringLiteral(": ") + text());
}

void Label::refit() {
    if (autoSize_)
        resize(fontMetrics().boundingRect(text()).width() + 1, fontMetrics().height());
}

void Label::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit mouseMoved();
}
void Label::mousePressEvent(QMouseEvent* event) {
    event->accept();
}
void Label::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}
void Label::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

SpokenNotice::SpokenNotice(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

// Screen readers speak a notice when it comes into view; where none listens,
// nothing is shown.
void SpokenNotice::say(const QString& text) {
    text_ = text;
    if (!QAccessible::isActive())
        return;
    show();
    hide();
}

PictureControl::PictureControl(QWidget* parent, int left, int top, int width, int height)
    : QWidget(parent) {
    takeMouse(this);
    setGeometry(left, top, width, height);
}

void PictureControl::storePicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void PictureControl::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit mouseMoved();
}

void PictureControl::mousePressEvent(QMouseEvent* event) {
    event->accept();
    pressed_ = event->button() == Qt::LeftButton;
}

void PictureControl::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}

// The second press of a double click makes no new click: a double click is
// one click, on a choice as on a button.
void PictureControl::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void PictureControl::makeOperable() {
    operable_ = true;
    // Tab only: a click never moves the focus, so mouse users see no mark.
    setFocusPolicy(Qt::TabFocus);
}

bool PictureControl::isOperable() const {
    if (!operable_ || !isVisible())
        return false;
    // A message box open over the window keeps the mouse out of it.
    const QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != window())
        return false;
    // A shown cover takes the clicks over what it covers.
    const QWidget* top = window();
    return top->childAt(mapTo(top, rect().center())) == this;
}

void PictureControl::press() {
    if (!isOperable())
        return;
    emit clicked();
    emit pressedWithoutMouse();
}

void PictureControl::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        event->accept();
        // A held key is one press, as a held mouse button is one click.
        if (!event->isAutoRepeat())
            press();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

// Black dashes on white, two pixels wide inside the edge: seen on the green
// buttons and on any picture.
void PictureControl::paintFocusMark(QPainter& painter) const {
    if (!hasFocus() || !window()->testAttribute(Qt::WA_KeyboardFocusChange))
        return;
    const QRect edge = rect().adjusted(1, 1, -1, -1);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 2));
    painter.drawRect(edge);
    painter.setPen(QPen(Qt::black, 2, Qt::DashLine));
    painter.drawRect(edge);
}

void Image::setPicture(const QPixmap& picture) {
    storePicture(picture);
    // Its size on screen: a twin for a scaled screen has more pixels, not more room.
    if (!picture_.isNull())
        resize(picture_.deviceIndependentSize().toSize());
}

void drawPicture(QPainter& painter, const QPixmap& picture) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(0, 0, picture);
}

void Image::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!picture_.isNull())
        drawPicture(painter, picture_);
    paintFocusMark(painter);
}

PictureBox::PictureBox(QWidget* parent, int left, int top, int width, int height,
                       const QColor& background)
    : PictureControl(parent, left, top, width, height), background_(background) {}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    if (!picture_.isNull())
        drawPicture(painter, picture_);
    paintFocusMark(painter);
}

FormTimer::FormTimer(QObject* parent, int interval) : QObject(parent) {
    // Coarse timers may come 5% early; a care run is meant to take its full time.
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &FormTimer::tick);
    setInterval(interval);
}

void FormTimer::setInterval(int ms) {
    interval_ = ms;
    if (ms > 0)
        timer_.start(ms);
    else
        timer_.stop();
}
