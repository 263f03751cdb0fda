#include "fixed_size.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace {

constexpr Qt::WindowStates kFillingStates = Qt::WindowMaximized | Qt::WindowFullScreen;

class FixedSizeKeeper : public QObject {
public:
    explicit FixedSizeKeeper(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Show)
            watchNativeWindow();
        else if (watched == &window_ && event->type() == QEvent::Paint && leaving_)
            leaveOnceShown();
        else if (watched == native_ && event->type() == QEvent::WindowStateChange &&
                 event->spontaneous())
            compositorChangedState();
        return false;
    }

private:
    // The native window exists from the first show on.
    void watchNativeWindow() {
        QWindow* native = window_.windowHandle();
        if (!native || native == native_)
            return;
        native_ = native;
        native->installEventFilter(this);
        // Asked for by the title bar: the request is on its way, and the
        // compositor's answer must find the window ready to take its size.
        connect(native, &QWindow::windowStateChanged, this, [this](Qt::WindowState state) {
            if (kFillingStates & state)
                allowAnySize();
        });
    }

    // The compositor has applied a state. The designed size comes back with
    // the normal state; a filling state is left once the window has shown
    // itself in it, since the compositor takes a request to leave a state
    // only after the window has been drawn in that state.
    void compositorChangedState() {
        if (native_->windowStates() & kFillingStates) {
            allowAnySize();
            leaving_ = true;
            window_.update();
        } else {
            leaving_ = false;
            native_->setMaximumSize(window_.maximumSize());
        }
    }

    // Called while the window paints: the request waits until the picture
    // has gone out to the compositor.
    void leaveOnceShown() {
        leaving_ = false;
        QMetaObject::invokeMethod(
            this, [this] { native_->setWindowStates(native_->windowStates() & ~kFillingStates); },
            Qt::QueuedConnection);
    }

    void allowAnySize() { native_->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)); }

    QWidget& window_;
    QWindow* native_ = nullptr;
    bool leaving_ = false;
};

} // namespace

void keepFixedSizeWhenMaximized(QWidget& window) {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        new FixedSizeKeeper(window);
}
