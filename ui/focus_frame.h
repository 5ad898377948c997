// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

// A ring in the highlight colour over the edge of whichever watched control
// has the keyboard focus, so the focus is always in sight, also on controls
// whose style shows none (the spinner, the item sheet, the output pane). It
// lies above the controls and lets every mouse event through to them.
class FocusFrame : public QWidget {
    Q_OBJECT

public:
    // window: the parent of the watched controls.
    explicit FocusFrame(QWidget* window);

    void Watch(QWidget* control);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Follow(QWidget* focused);
    void Place();

    std::vector<QWidget*> controls_;
    QPointer<QWidget> target_;
};
