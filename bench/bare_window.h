// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <memory>

// The floor the window is measured against: a bare Qt window of the window's
// size with one plain-text pane at the output pane's place, showing the
// weapon list the window opens on as the output pane shows it (its font, no
// wrapping), and nothing else.
std::unique_ptr<QWidget> OpenBareWindow();
