// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pane_message.h"

namespace {

constexpr int kMargin = 3;

}  // namespace

PaneMessage::PaneMessage(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("PlanMessage"));
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setMargin(kMargin);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
}

void PaneMessage::SetMessage(const QString& message) {
    setText(message);
    setToolTip(message);
    setAccessibleDescription(message);
}
