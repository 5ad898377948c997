// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

class QLabel;

// The find field: a small text box over the bottom edge of the control it
// searches (its parent), so that no other control moves; the parent keeps a
// strip of the field's height free below its text while the field is open. What it found
// stands at its right end, "2 of 7" or "not found", in the field's own
// colours. Enter goes to the next place, Shift+Enter to the one before, and
// Esc closes the field.
class FindField : public QLineEdit {
    Q_OBJECT

public:
    explicit FindField(QWidget* parent);

    void SetStatus(const QString& status);
    QString Status() const;

signals:
    void next();
    void previous();
    void closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // In the strip below the parent's text, left, above its scroll bar.
    void PlaceOverParent();

    QLabel* status_;
};
