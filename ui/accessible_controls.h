// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>
#include <QList>
#include <QString>

class QAbstractScrollArea;

class UpDown;

// What assistive technology (a screen reader, a braille display) is told of
// the controls Qt has no accessible class for, through Qt's accessibility and
// from there the desktop's bus (AT-SPI on Linux).

// A main window: a frame, named by its title. Its children are its controls,
// less the labels that show no caption (an empty column header says nothing)
// and the focus ring (a drawing over the controls, no control itself).
class AccessibleWindow : public QAccessibleWidget {
public:
    explicit AccessibleWindow(QWidget* window);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    QList<QWidget*> Controls() const;
};

// Whether a main window's accessible children include the widget; see above.
bool ShownToAssistiveTechnology(const QWidget* widget);

// The up-down spinner: a spin box with the Value interface. Its arrows are
// parts of it, not controls of their own; setting the value steps the spinner
// toward it click by click, exactly as its arrows would, while it is shown.
class AccessibleUpDown : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleUpDown(UpDown* spinner);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    UpDown* Spinner() const;
};

// A scroll area's viewport, a part of its control: the viewport passes the
// keyboard focus on to the control, so Qt would report both as focused; only
// the control does.
class AccessibleViewport : public QAccessibleWidget {
public:
    explicit AccessibleViewport(QWidget* viewport);
    QAccessible::State state() const override;
};

// Whether the widget is a scroll area's viewport.
bool IsViewport(const QObject* object);

// Sends an event to assistive technology. Qt passes events on only while an
// assistive technology listens, and never on the offscreen platform; the
// listener, when set, hears every event this program sends, listened to or
// not. Setting one returns the one before.
void SendAccessibleEvent(QAccessibleEvent* event);
QAccessible::UpdateHandler SetAccessibleEventListener(QAccessible::UpdateHandler listener);

// While one lives, the events Qt itself sends of a control (its text
// changed, its caret moved) are held back from assistive technology; every
// other control's events pass as usual. A making redraws its report every
// week: a screen reader is told of it a few times a second instead.
class MutedAccessibleEvents {
public:
    explicit MutedAccessibleEvents(const QAbstractScrollArea* control);
    ~MutedAccessibleEvents();
    MutedAccessibleEvents(const MutedAccessibleEvents&) = delete;
    MutedAccessibleEvents& operator=(const MutedAccessibleEvents&) = delete;

private:
    QAccessible::UpdateHandler before_;
};

// Sets a control's accessible description and tells assistive technology.
void AnnounceDescription(QWidget* control, const QString& description);

// Sets a control's accessible name and tells assistive technology, also when
// the name stays the same: a list shown anew is news as well.
void AnnounceName(QWidget* control, const QString& name);
