// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QToolButton;

// A bare up-down spinner: two arrow buttons stacked, with a position that
// stays within its range (no wrap-around). Clicking an arrow changes the
// position first and then emits clicked; a step that changes the position
// tells assistive technology the new value.
class UpDown : public QWidget {
    Q_OBJECT

public:
    enum class Arrow { Up, Down };

    explicit UpDown(QWidget* parent = nullptr);

    void SetRange(int minimum, int maximum);
    int Minimum() const { return minimum_; }
    int Maximum() const { return maximum_; }
    // The position as the control reports it: a 16-bit signed number.
    int16_t Position() const { return static_cast<int16_t>(position_); }
    void SetPosition(int position);
    // Steps toward target one arrow click at a time, each exactly as a click
    // of that arrow (clicked follows every step), until the position is
    // target or at the end of the range.
    void StepTo(int target);

    QToolButton* UpArrow() const { return up_; }
    QToolButton* DownArrow() const { return down_; }

signals:
    void clicked(UpDown::Arrow arrow);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Step(Arrow arrow);

    QToolButton* up_;
    QToolButton* down_;
    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;
};
