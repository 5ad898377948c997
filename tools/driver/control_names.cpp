// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/driver/control_names.h"

#include "app/tform1.h"

// The window names each of its controls (QObject::objectName) as the form
// does; a script finds them by those names and by nothing else.

namespace {

// The control of the window with that name: a widget placed on the window
// itself, not a part inside one of them.
QWidget* ChildNamed(const TForm1& form, const std::string& name) {
    if (name.empty()) return nullptr;
    return form.findChild<QWidget*>(QString::fromStdString(name), Qt::FindDirectChildrenOnly);
}

bool TakesFocus(const QWidget* widget) { return widget->focusPolicy() != Qt::NoFocus; }

}  // namespace

CommandButton* ButtonNamed(const TForm1& form, const std::string& name) {
    return qobject_cast<CommandButton*>(ChildNamed(form, name));
}

QWidget* FocusableNamed(const TForm1& form, const std::string& name) {
    QWidget* widget = ChildNamed(form, name);
    return widget != nullptr && TakesFocus(widget) ? widget : nullptr;
}

QWidget* ControlNamed(const TForm1& form, const std::string& name) {
    QWidget* widget = ChildNamed(form, name);
    if (widget == nullptr) return nullptr;
    return TakesFocus(widget) || qobject_cast<Label*>(widget) != nullptr ? widget : nullptr;
}

std::string NameOfControl(const TForm1& form, const QWidget* widget) {
    for (; widget != nullptr && widget != &form; widget = widget->parentWidget()) {
        if (widget->parentWidget() == &form && TakesFocus(widget)) {
            return widget->objectName().toStdString();
        }
    }
    return {};
}

std::vector<CommandButton*> Buttons(const TForm1& form) {
    const QList<CommandButton*> buttons =
        form.findChildren<CommandButton*>(Qt::FindDirectChildrenOnly);
    return {buttons.begin(), buttons.end()};
}
