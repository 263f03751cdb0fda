#include "form_runtime.h"

#include "controls.h"
#include "core/regular_file.h"
#include "core/runtime_error.h"
#include "core/system_error_text.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <utility>

namespace {

// Unwinds the handler that ended the program; only handleEvent catches it.
struct ProgramEnded {};

QString errorReportTitle() {
    return QCoreApplication::translate("FormRuntime", "Ошибка");
}

QString errorReportText(const RuntimeError& error) {
    return QCoreApplication::translate("FormRuntime", "Ошибка в программе! ") + error.description();
}

// A box that nobody is left to answer: its title and text, on one line.
void writeBoxToStandardError(const QString& title, const QString& text) {
    std::fprintf(stderr, "%s: %s\n", qUtf8Printable(title), qUtf8Printable(text));
}

// The picture drawn at twice the size: "G/p0@2x.gif" for "G/p0.gif".
QString twinPath(const QString& path) {
    const QFileInfo file(path);
    const QString suffix = file.suffix().isEmpty() ? QString() : QLatin1Char('.') + file.suffix();
    return file.path() + QLatin1Char('/') + file.completeBaseName() + QStringLiteral("@2x") +
           suffix;
}

// The picture in the file at the path, read only from a regular file and
// without ever waiting: a pipe or a device there would hold the window
// forever. A null image when the file holds no picture, or with `error` set
// when it cannot be opened.
QImage readPicture(const QString& path, int& error) {
    QFile file;
    if (!openRegularFileToRead(file, path, error))
        return {};
    return QImageReader(&file).read();
}

// On a scaled screen the picture gives way to its twin when the twin reads and
// has exactly twice its size: at a device pixel ratio of 2 the twin covers the
// same area on screen, with finer detail. A twin that is missing, unreadable,
// no regular file or of another size (left from older pictures) is passed over.
QImage sharpestPicture(const QString& path, const QImage& picture, qreal devicePixelRatio) {
    if (devicePixelRatio <= 1)
        return picture;
    int error = 0;
    QImage twin = readPicture(twinPath(path), error);
    if (twin.size() != picture.size() * 2)
        return picture;
    twin.setDevicePixelRatio(2);
    return twin;
}

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
    if (handlerDepth_ > 0)
        return;
    refreshKeptUnload();
    if (closeWhenIdle_) {
        heldTicks_.clear();
        const auto close = std::exchange(closeWhenIdle_, {});
        if (!programEnded_)
            close();
        return;
    }
    deliverHeldTicks();
}

void FormRuntime::unload(const std::function<void()>& handler) {
    if (unloaded_)
        return;
    handleEvent([this, &handler] {
        // Released before a failure is reported: the report waits for its OK.
        const std::lock_guard hold(unloadMutex_);
        if (unloaded_ || endsUnsaved_)
            return;
        unloaded_ = true;
        handler();
    });
}

void FormRuntime::requestEnd(const std::function<void()>& close) {
    if (programEnded_ || endRequested_)
        return;
    endRequested_ = true;
    if (handlerDepth_ == 0) {
        if (!unloaded_)
            close();
        return;
    }
    // Only a message box lets another event in while a handler runs.
    if (!unloaded_)
        closeWhenIdle_ = close;
    services_.dismissMessageBox();
}

void FormRuntime::keepUnloadReady(std::function<std::function<void()>()> takeUnload) {
    takeUnload_ = std::move(takeUnload);
    refreshKeptUnload();
}

void FormRuntime::refreshKeptUnload() {
    if (!takeUnload_ || unloaded_ || programEnded_)
        return;
    std::function<void()> work = takeUnload_();
    const std::lock_guard hold(unloadMutex_);
    keptUnload_ = std::move(work);
}

void FormRuntime::unloadFromAnyThread() {
    const std::lock_guard hold(unloadMutex_);
    if (programEnded_ || endsUnsaved_ || unloaded_ || !keptUnload_)
        return;
    unloaded_ = true;
    try {
        keptUnload_();
    } catch (const RuntimeError& error) {
        // No box can be shown from here, nor would anyone answer it.
        writeBoxToStandardError(errorReportTitle(), errorReportText(error));
    }
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

// The named file itself is always read first: whether a picture exists and
// reads is its file's matter alone, at any scale.
QPixmap FormRuntime::loadPicture(const QString& path, qreal devicePixelRatio) const {
    int error = 0;
    const QImage image = readPicture(path, error);
    if (error == ENOENT)
        throw RuntimeError(
            QCoreApplication::translate("FormRuntime", "Не найден файл рисунка «%1».").arg(path));
    if (image.isNull())
        throw RuntimeError(
            QCoreApplication::translate("FormRuntime", "Не удалось прочитать рисунок «%1»: %2.")
                .arg(path, error != 0 ? systemErrorText(error)
                                      : QCoreApplication::translate(
                                            "FormRuntime", "файл повреждён или это не рисунок")));
    return QPixmap::fromImage(sharpestPicture(path, image, devicePixelRatio));
}

int FormRuntime::messageBox(const QString& text, int style, const QString& title) {
    refreshKeptUnload();
    if (boxesGoUnanswered()) {
        writeBoxToStandardError(title, text);
        return style == kStyleExclamationYesNo ? kAnswerNo : kAnswerOk;
    }
    return services_.messageBox(text, style, title);
}

void FormRuntime::showErrorReport(const RuntimeError& error) {
    messageBox(errorReportText(error), kStyleExclamationOk, errorReportTitle());
}

void FormRuntime::endProgramAfterReport(const RuntimeError& error) {
    {
        const std::lock_guard hold(unloadMutex_);
        endsUnsaved_ = true;
    }
    showErrorReport(error);
    endProgram();
}

void FormRuntime::endProgram() {
    {
        const std::lock_guard hold(unloadMutex_);
        programEnded_ = true;
    }
    heldTicks_.clear();
    services_.endProgram();
    throw ProgramEnded{};
}
