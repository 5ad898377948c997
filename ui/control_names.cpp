// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/control_names.h"

#include "ui/controls.h"

namespace {

bool TakesFocus(const QWidget* widget) { return widget->focusPolicy() != Qt::NoFocus; }

}  // namespace

CommandButton* ButtonNamed(const QWidget& window, const std::string& name) {
    return Named<CommandButton>(window, name);
}

QWidget* FocusableNamed(const QWidget& window, const std::string& name) {
    QWidget* widget = Named<QWidget>(window, name);
    return widget != nullptr && TakesFocus(widget) ? widget : nullptr;
}

QWidget* ControlNamed(const QWidget& window, const std::string& name) {
    QWidget* widget = Named<QWidget>(window, name);
    if (widget == nullptr) return nullptr;
    return TakesFocus(widget) || qobject_cast<Label*>(widget) != nullptr ? widget : nullptr;
}

std::string NameOfControl(const QWidget& window, const QWidget* widget) {
    for (; widget != nullptr && widget != &window; widget = widget->parentWidget()) {
        if (widget->parentWidget() == &window && TakesFocus(widget)) {
            return widget->objectName().toStdString();
        }
    }
    return {};
}

std::vector<CommandButton*> Buttons(const QWidget& window) {
    const QList<CommandButton*> buttons =
        window.findChildren<CommandButton*>(Qt::FindDirectChildrenOnly);
    return {buttons.begin(), buttons.end()};
}
