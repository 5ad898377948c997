// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pane_message.h"

#include <QEvent>

#include <algorithm>

#include "ui/pane_strip.h"

namespace {

constexpr int kMargin = 3;

}  // namespace

PaneMessage::PaneMessage(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("PlanMessage"));
    setTextFormat(Qt::PlainText);
    setMargin(kMargin);
    // A tooltip's colours: it stands apart from the list above it.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    TextAreaOf(parent)->installEventFilter(this);
}

void PaneMessage::SetMessage(const QString& message) {
    message_ = message;
    Fit();
}

int PaneMessage::StripHeight() const { return fontMetrics().height() + 2 * kMargin; }

bool PaneMessage::eventFilter(QObject* watched, QEvent* event) {
    if (watched != this && event->type() == QEvent::Resize) PlaceOverParent();
    return QLabel::eventFilter(watched, event);
}

void PaneMessage::showEvent(QShowEvent* event) {
    QLabel::showEvent(event);
    PlaceOverParent();
}

void PaneMessage::PlaceOverParent() {
    setGeometry(StripBelowText(parentWidget(), parentWidget()->width(), StripHeight()));
    Fit();
}

void PaneMessage::Fit() {
    const QString shown =
        fontMetrics().elidedText(message_, Qt::ElideRight, std::max(0, width() - 2 * kMargin));
    setText(shown);
    setToolTip(shown == message_ ? QString() : message_);
}
