// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <optional>

class QLabel;
class QLineEdit;

// The hoard field, "Roll [10] items", shown in the strip below the pane
// where the find field opens. Enter asks for a hoard of the count typed, Esc
// closes the field. A count outside the field's range, or no
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

private:
    void ShowSign(const QString& sign);

    int minimum_;
    int maximum_;
    QLineEdit* count_;
    QLabel* sign_;
};
