// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <string>

class QLabel;
class QLineEdit;

// The field "Keep plan as [name]", shown in the strip below the pane where
// the find field opens. Enter asks to keep the bench's plan under the name
// typed, Esc closes the field. Before a name already kept is replaced, the
// field asks, in the colour of a warning, until the name is typed anew:
// "Enter again to replace 'NAME'".
class KeepPlanField : public QWidget {
    Q_OBJECT

public:
    explicit KeepPlanField(QWidget* parent);

    // Offers a name, all of it selected, and forgets any question.
    void Propose(const std::string& latin1Name);
    // The name typed, in Latin-1 (a character beyond it a '?'), without
    // the blanks around it.
    std::string Name() const;
    // Whether the field asked to replace the name typed, which Enter now
    // confirms.
    bool ReplaceConfirmed() const;
    // Asks before the name is replaced, or says why nothing is kept.
    void AskToReplace();
    void Refuse(const QString& why);
    QString Sign() const;

signals:
    void keep();
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowSign(const QString& sign);

    QLineEdit* name_;
    QLabel* sign_;
    bool askedToReplace_ = false;
};
