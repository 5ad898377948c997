// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessible_controls.h"

#include <QAbstractScrollArea>
#include <QLabel>

#include <algorithm>
#include <cmath>
#include <utility>

#include "ui/focus_frame.h"
#include "ui/up_down.h"

bool ShownToAssistiveTechnology(const QWidget* widget) {
    if (widget->isWindow() || qobject_cast<const FocusFrame*>(widget) != nullptr) return false;
    const auto* label = qobject_cast<const QLabel*>(widget);
    return label == nullptr || !label->text().trimmed().isEmpty();
}

AccessibleWindow::AccessibleWindow(QWidget* window)
    : QAccessibleWidget(window, QAccessible::Window) {}

QList<QWidget*> AccessibleWindow::Controls() const {
    QList<QWidget*> controls;
    for (QObject* child : widget()->children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (control != nullptr && ShownToAssistiveTechnology(control)) controls.append(control);
    }
    return controls;
}

int AccessibleWindow::childCount() const { return static_cast<int>(Controls().size()); }

QAccessibleInterface* AccessibleWindow::child(int index) const {
    const QList<QWidget*> controls = Controls();
    if (index < 0 || index >= controls.size()) return nullptr;
    return QAccessible::queryAccessibleInterface(controls.at(index));
}

int AccessibleWindow::indexOfChild(const QAccessibleInterface* child) const {
    if (child == nullptr) return -1;
    return static_cast<int>(Controls().indexOf(qobject_cast<QWidget*>(child->object())));
}

AccessibleUpDown::AccessibleUpDown(UpDown* spinner)
    : QAccessibleWidget(spinner, QAccessible::SpinBox) {}

UpDown* AccessibleUpDown::Spinner() const { return static_cast<UpDown*>(widget()); }

void* AccessibleUpDown::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleUpDown::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) return QString::number(Spinner()->Position());
    return QAccessibleWidget::text(t);
}

QVariant AccessibleUpDown::currentValue() const { return Spinner()->Position(); }

void AccessibleUpDown::setCurrentValue(const QVariant& value) {
    // A hidden spinner cannot be turned, by its arrows or by anything else.
    bool ok = false;
    const double target = value.toDouble(&ok);
    if (!ok || !std::isfinite(target) || !Spinner()->isVisible()) return;
    const double clamped = std::clamp(target, static_cast<double>(Spinner()->Minimum()),
                                      static_cast<double>(Spinner()->Maximum()));
    Spinner()->StepTo(static_cast<int>(std::lround(clamped)));
}

QVariant AccessibleUpDown::maximumValue() const { return Spinner()->Maximum(); }
QVariant AccessibleUpDown::minimumValue() const { return Spinner()->Minimum(); }
QVariant AccessibleUpDown::minimumStepSize() const { return 1; }

bool IsViewport(const QObject* object) {
    const auto* area = qobject_cast<const QAbstractScrollArea*>(object->parent());
    return area != nullptr && object->isWidgetType() && area->viewport() == object;
}

AccessibleViewport::AccessibleViewport(QWidget* viewport) : QAccessibleWidget(viewport) {}

QAccessible::State AccessibleViewport::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.focused = false;
    return state;
}

namespace {

QAccessible::UpdateHandler g_listener = nullptr;

}  // namespace

void SendAccessibleEvent(QAccessibleEvent* event) {
    if (g_listener != nullptr) g_listener(event);
    QAccessible::updateAccessibility(event);
}

QAccessible::UpdateHandler SetAccessibleEventListener(QAccessible::UpdateHandler listener) {
    std::swap(listener, g_listener);
    return listener;
}

namespace {

const QAbstractScrollArea* g_muted = nullptr;
QAccessible::UpdateHandler g_unmutedHandler = nullptr;

void PassUnmuted(QAccessibleEvent* event) {
    const QObject* object = event->object();
    if (object != nullptr && (object == g_muted || object == g_muted->viewport())) return;
    if (g_unmutedHandler != nullptr) {
        g_unmutedHandler(event);
        return;
    }
    // With no handler of its own Qt hands an event to the platform: step
    // aside for the while (the find field's news during a redraw).
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&PassUnmuted);
}

}  // namespace

MutedAccessibleEvents::MutedAccessibleEvents(const QAbstractScrollArea* control) {
    g_muted = control;
    g_unmutedHandler = QAccessible::installUpdateHandler(&PassUnmuted);
    before_ = g_unmutedHandler;
}

MutedAccessibleEvents::~MutedAccessibleEvents() {
    QAccessible::installUpdateHandler(before_);
    g_muted = nullptr;
    g_unmutedHandler = nullptr;
}

void AnnounceDescription(QWidget* control, const QString& description) {
    control->setAccessibleDescription(description);
    QAccessibleEvent event(control, QAccessible::DescriptionChanged);
    SendAccessibleEvent(&event);
}

void AnnounceName(QWidget* control, const QString& name) {
    control->setAccessibleName(name);
    QAccessibleEvent event(control, QAccessible::NameChanged);
    SendAccessibleEvent(&event);
}
