// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <optional>

class QLabel;
class QLineEdit;

// The hoard field, "Roll [10] items": a small row over the bottom edge of
// the control it belongs to (its parent), in the strip where the find field
// opens, so that no other control moves. Enter asks for a hoard of the count
// typed, Esc closes the field. A count outside the field's range, or no
// number at all, is refused: the field says which counts it takes, in the
// colour of a warning, until the count is typed anew.
class HoardField : public QWidget {
    Q_OBJECT

public:
    HoardField(QWidget* parent, int minimum, int maximum);

    // The count typed, if the field takes it.
    std::optional<int> Count() const;
    // Puts a count in the box, all of it selected, and drops a refusal.
    void SetCount(int count);
    // Refuses the count typed: the sign shows, the count stays selected for
    // typing over.
    void Refuse();
    QString Sign() const;

signals:
    void roll();
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ShowSign(const QString& sign);
    // In the strip below the parent's text, left, above its scroll bar.
    void PlaceOverParent();

    int minimum_;
    int maximum_;
    QLineEdit* count_;
    QLabel* sign_;
};
