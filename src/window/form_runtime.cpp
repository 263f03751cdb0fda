#include "form_runtime.h"

#include "controls.h"
#include "runtime_error.h"
#include "system_error_text.h"

#include <QFileInfo>
#include <QImageReader>
#include <algorithm>

namespace {

// Unwinds the handler that ended the program; only handleEvent catches it.
struct ProgramEnded {};

} // namespace

void FormRuntime::handleEvent(const std::function<void()>& handler) {
    if (programEnded_)
        return;
    ++handlerDepth_;
    try {
        handler();
    } catch (const RuntimeError& error) {
        showErrorReport(error);
    } catch (const ProgramEnded&) {
    }
    --handlerDepth_;
    if (handlerDepth_ == 0)
        deliverHeldTicks();
}

void FormRuntime::handleTick(const FormTimer& timer, const std::function<void()>& handler) {
    if (handlerDepth_ > 0) {
        const bool held = std::any_of(heldTicks_.begin(), heldTicks_.end(),
                                      [&](const HeldTick& t) { return t.timer == &timer; });
        if (!held)
            heldTicks_.push_back({&timer, handler});
        return;
    }
    handleEvent(handler);
}

void FormRuntime::deliverHeldTicks() {
    while (!heldTicks_.empty() && !programEnded_) {
        const HeldTick tick = heldTicks_.front();
        heldTicks_.erase(heldTicks_.begin());
        // A timer stopped meanwhile has no tick left to deliver.
        if (tick.timer->isTicking())
            handleEvent(tick.handler);
    }
    heldTicks_.clear();
}

QPixmap FormRuntime::loadPicture(const QString& path) const {
    if (!QFileInfo(path).isFile())
        throw RuntimeError(QStringLiteral("Не найден файл рисунка «%1».").arg(path));
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull())
        throw RuntimeError(QStringLiteral("Не удалось прочитать рисунок «%1»: %2.")
                               .arg(path, pictureFailureText(path)));
    return QPixmap::fromImage(image);
}

int FormRuntime::messageBox(const QString& text, int style, const QString& title) {
    return services_.messageBox(text, style, title);
}

void FormRuntime::showErrorReport(const RuntimeError& error) {
    messageBox(QStringLiteral("Ошибка в программе! ") + error.description(), kStyleExclamationOk,
               QStringLiteral("Ошибка"));
}

void FormRuntime::endProgram() {
    programEnded_ = true;
    heldTicks_.clear();
    services_.endProgram();
    throw ProgramEnded{};
}
