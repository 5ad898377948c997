// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <optional>

class QLabel;
class QLineEdit;

// What a count field is called and takes.
struct CountFieldDesign {
    const char* name;            // the field's object name
    const char* boxName;         // its box's
    const char* before;          // the words before the box
    const char* after;           // the words after it; "" for none
    const char* accessibleName;  // the box's
    int minimum, maximum;        // the counts it takes
    int boxCharacters;           // the box's room, in digits
    int width;                   // the field's width at most
};

// A field shown in the strip below the pane where the find field opens,
// which asks for a count: "Roll [10] items", "Share among [4]". Enter asks
// for what the field is for, Esc closes the field. A count outside the
// field's range, or no number at all, is refused: the field says which
// counts it takes (or what else its owner says), in the colour of a warning,
// until the count is typed anew.
class CountField : public QWidget {
    Q_OBJECT

public:
    CountField(QWidget* parent, const CountFieldDesign& design);

    // The count typed, if the field takes it.
    std::optional<int> Count() const;
    // The text typed, as it stands.
    QString Text() const;
    // Puts a text in the box, all of it selected, and drops a refusal.
    void SetText(const QString& text);
    void SetCount(int count) { SetText(QString::number(count)); }
    // Refuses what was typed: the sign shows ("only 1 to 1,000", or the one
    // given), what was typed stays selected for typing over.
    void Refuse();
    void Refuse(const QString& sign);
    QString Sign() const;

signals:
    void entered();
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
