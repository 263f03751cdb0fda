#include "control_accessibility.h"

#include "controls.h"

#include <QAccessibleWidget>

namespace {

// Asks the control each time: Qt keeps one interface per control, made the
// first time anyone asks, which may be before the control is given its role.
class PictureControlInterface : public QAccessibleWidget {
public:
    explicit PictureControlInterface(PictureControl* control) : QAccessibleWidget(control) {}

    QAccessible::Role role() const override {
        return static_cast<PictureControl*>(widget())->accessibleRole();
    }
};

QAccessibleInterface* pictureControlInterface(const QString&, QObject* object) {
    auto* control = qobject_cast<PictureControl*>(object);
    return control ? new PictureControlInterface(control) : nullptr;
}

} // namespace

void installControlAccessibility() {
    // Qt keeps factories in a list and asks each in turn; one entry is enough.
    static const bool installed = [] {
        QAccessible::installFactory(pictureControlInterface);
        return true;
    }();
    (void)installed;
}
