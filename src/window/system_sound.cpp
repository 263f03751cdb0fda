#include "system_sound.h"

#include <QApplication>
#include <canberra.h>

namespace {

// One context for the program's life, made at the first beep: opening it
// connects to the sound server, which a pet that never beeps need not do.
ca_context* soundContext() {
    static ca_context* const context = [] {
        ca_context* created = nullptr;
        if (ca_context_create(&created) != CA_SUCCESS)
            return static_cast<ca_context*>(nullptr);
        const QByteArray id = QGuiApplication::desktopFileName().toUtf8();
        const QByteArray name = QCoreApplication::translate("SystemSound", "Питомец").toUtf8();
        ca_context_change_props(created, CA_PROP_APPLICATION_NAME, name.constData(),
                                CA_PROP_APPLICATION_ID, id.constData(), nullptr);
        return created;
    }();
    return context;
}

} // namespace

bool playThemeBell() {
    ca_context* context = soundContext();
    const QByteArray description =
        QCoreApplication::translate("SystemSound", "Писк игрушки").toUtf8();
    return context &&
           ca_context_play(context, 0, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION,
                           description.constData(), nullptr) == CA_SUCCESS;
}

void ringDisplayBell() {
    QApplication::beep();
}

void soundBeep(const std::function<bool()>& playTheme, const std::function<void()>& ringBell) {
    if (!playTheme())
        ringBell();
}
