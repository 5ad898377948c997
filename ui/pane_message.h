// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A message shown in the strip below the pane, in a tooltip's colours so that
// it stands apart from the list above it. A message too long for one line
// wraps onto the next, so that it is read whole at any width; its tooltip and
// its accessible description hold it whole too.
class PaneMessage : public QLabel {
    Q_OBJECT

public:
    explicit PaneMessage(QWidget* parent);

    void SetMessage(const QString& message);
    QString Message() const { return text(); }
};
