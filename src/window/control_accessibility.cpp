#include "control_accessibility.h"

#include "controls.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <algorithm>

namespace {

// A container's controls as they are read: top to bottom, then left to right,
// without the captions that their value labels already say and the plates
// they stand on. Qt would list them in stacking order, which is no reading
// order.
QList<QWidget*> readingOrder(const QWidget* container) {
    QList<QWidget*> controls;
    for (QObject* child : container->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isWindow())
            continue;
        if (auto* label = qobject_cast<Label*>(widget); label && label->hiddenFromScreenReaders())
            continue;
        if (auto* picture = qobject_cast<PictureControl*>(widget);
            picture && picture->hiddenFromScreenReaders())
            continue;
        controls.append(widget);
    }
    std::stable_sort(controls.begin(), controls.end(), [](const QWidget* a, const QWidget* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    return controls;
}

class ReadingOrderInterface : public QAccessibleWidget {
public:
    explicit ReadingOrderInterface(QWidget* widget, QAccessible::Role role = QAccessible::Client)
        : QAccessibleWidget(widget, role) {}

    int childCount() const override { return int(readingOrder(widget()).size()); }

    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> controls = readingOrder(widget());
        if (index < 0 || index >= controls.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(controls[index]);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child)
            return -1;
        return int(readingOrder(widget()).indexOf(qobject_cast<QWidget*>(child->object())));
    }
};

// Asks the control each time: Qt keeps one interface per control, made the
// first time anyone asks, which may be before the control is given its role.
class PictureControlInterface : public ReadingOrderInterface {
public:
    explicit PictureControlInterface(PictureControl* control) : ReadingOrderInterface(control) {}

    QAccessible::Role role() const override { return control()->accessibleRole(); }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = control()->isOperable();
        return state;
    }

    // One press, and only while a mouse could click the control.
    QStringList actionNames() const override {
        return control()->isOperable() ? QStringList{pressAction()} : QStringList();
    }

    // The press comes back through the event loop, as a click does; the
    // screen reader's call returns at once, even when the handler opens a box.
    void doAction(const QString& action) override {
        if (!control()->isOperable())
            return;
        if (action == pressAction())
            QMetaObject::invokeMethod(
                control(), [control = control()] { control->press(); }, Qt::QueuedConnection);
        else if (action == setFocusAction())
            control()->setFocus(Qt::OtherFocusReason);
    }

    // No key names: screen readers would read them out, in English.
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    PictureControl* control() const { return static_cast<PictureControl*>(widget()); }
};

// A label is static text, heard by its spoken name or else by its text.
class LabelInterface : public QAccessibleWidget {
public:
    explicit LabelInterface(Label* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<Label*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

// The status line: a status bar whose name and text are its current text.
// The label announces each change of text itself.
class StatusLineInterface : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit StatusLineInterface(Label* label) : QAccessibleWidget(label, QAccessible::StatusBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? label()->text() : QAccessibleWidget::text(kind);
    }

    QString text(int start, int end) const override {
        return label()->text().mid(start, end - start);
    }
    int characterCount() const override { return int(label()->text().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int offset) const override {
        const QString text = label()->text();
        if (offset < 0 || offset >= text.size())
            return QRect();
        const QFontMetrics metrics = label()->fontMetrics();
        const int left = metrics.horizontalAdvance(text.left(offset));
        const QRect local(left, 0, metrics.horizontalAdvance(text.at(offset)), label()->height());
        return QRect(label()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return QString();
    }

private:
    Label* label() const { return static_cast<Label*>(widget()); }
};

// A notice of the status line: heard without a role word, as its text alone.
class SpokenNoticeInterface : public QAccessibleWidget {
public:
    explicit SpokenNoticeInterface(SpokenNotice* notice)
        : QAccessibleWidget(notice, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? static_cast<SpokenNotice*>(widget())->text()
                                         : QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* controlInterface(const QString&, QObject* object) {
    if (auto* control = qobject_cast<PictureControl*>(object))
        return new PictureControlInterface(control);
    if (auto* label = qobject_cast<Label*>(object))
        return label->isStatusLine()
                   ? static_cast<QAccessibleInterface*>(new StatusLineInterface(label))
                   : new LabelInterface(label);
    if (auto* notice = qobject_cast<SpokenNotice*>(object))
        return new SpokenNoticeInterface(notice);
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && widget->isWindow() && object->inherits("frmForm"))
        return new ReadingOrderInterface(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void installControlAccessibility() {
    // Qt keeps factories in a list and asks each in turn; one entry is enough.
    static const bool installed = [] {
        QAccessible::installFactory(controlInterface);
        return true;
    }();
    (void)installed;
}
