// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/up_down.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QToolButton>

#include <algorithm>
#include <cstdlib>

#include "ui/accessible_controls.h"

UpDown::UpDown(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* arrow : {up_, down_}) {
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setAutoRepeat(true);
    }
    up_->setAccessibleName(QStringLiteral("Up"));
    down_->setAccessibleName(QStringLiteral("Down"));
    setFocusPolicy(Qt::TabFocus);
    connect(up_, &QToolButton::clicked, this, [this] { Step(Arrow::Up); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(Arrow::Down); });
}

void UpDown::SetRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    position_ = std::clamp(position_, minimum_, maximum_);
}

void UpDown::SetPosition(int position) { position_ = std::clamp(position, minimum_, maximum_); }

void UpDown::Step(Arrow arrow) {
    const int before = position_;
    SetPosition(position_ + (arrow == Arrow::Up ? 1 : -1));
    emit clicked(arrow);
    if (position_ != before) {
        QAccessibleValueChangeEvent event(this, position_);
        SendAccessibleEvent(&event);
    }
}

void UpDown::StepTo(int target) {
    target = std::clamp(target, minimum_, maximum_);
    // No more steps than the distance, whatever a handler of clicked does.
    for (int steps = std::abs(target - position_); steps > 0 && position_ != target; --steps) {
        Step(target > position_ ? Arrow::Up : Arrow::Down);
    }
}

void UpDown::resizeEvent(QResizeEvent* /*event*/) {
    const int upHeight = height() / 2;
    up_->setGeometry(0, 0, width(), upHeight);
    down_->setGeometry(0, upHeight, width(), height() - upHeight);
}

// With the focus on the spinner the arrow keys step it like its arrows.
void UpDown::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up) {
        Step(Arrow::Up);
    } else if (event->key() == Qt::Key_Down) {
        Step(Arrow::Down);
    } else {
        QWidget::keyPressEvent(event);
    }
}
