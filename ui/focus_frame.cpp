// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/focus_frame.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr qreal kRingWidth = 2;
constexpr qreal kRingRadius = 2;

}  // namespace

FocusFrame::FocusFrame(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("FocusFrame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget* /*old*/, QWidget* now) { Follow(now); });
}

void FocusFrame::Watch(QWidget* control) {
    controls_.push_back(control);
    control->installEventFilter(this);
    if (control->hasFocus()) Follow(control);
}

void FocusFrame::Follow(QWidget* focused) {
    // The focus may sit on a part of a control, such as the pane's viewport.
    QWidget* control = nullptr;
    for (QWidget* w = focused; w != nullptr && control == nullptr; w = w->parentWidget()) {
        if (std::find(controls_.begin(), controls_.end(), w) != controls_.end()) control = w;
    }
    target_ = control;
    if (control == nullptr || !control->isVisible()) {
        hide();
        return;
    }
    Place();
    raise();
    show();
}

void FocusFrame::Place() {
    if (target_ == nullptr) return;
    setGeometry(QRect(target_->mapTo(parentWidget(), QPoint(0, 0)), target_->size()));
    update();
}

bool FocusFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == target_) {
        switch (event->type()) {
            case QEvent::Move:
            case QEvent::Resize:
                Place();
                break;
            case QEvent::Hide:
                hide();
                break;
            case QEvent::Show:
                Follow(target_);
                break;
            default:
                break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusFrame::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Active, QPalette::Highlight), kRingWidth));
    painter.setBrush(Qt::NoBrush);
    const qreal inset = kRingWidth / 2;
    painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), kRingRadius,
                            kRingRadius);
}
