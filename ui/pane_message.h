// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A one-line message in the strip below a pane's text, where the find field
// opens, so that no other control moves; the parent keeps a strip of the
// message's height free while it shows. A message too long for the strip is
// cut short with an ellipsis, and its tooltip holds it whole.
class PaneMessage : public QLabel {
    Q_OBJECT

public:
    explicit PaneMessage(QWidget* parent);

    void SetMessage(const QString& message);
    QString Message() const { return message_; }
    // The height of the strip it needs: one line.
    int StripHeight() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Across the bottom of the parent's text, above its scroll bar.
    void PlaceOverParent();
    // The message, cut to the width it has.
    void Fit();

    QString message_;
};
