// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/command_line.h"

// True when there is a windowing system to ask for a window: a Qt platform
// named (QT_QPA_PLATFORM or -platform) or a display named (DISPLAY,
// WAYLAND_DISPLAY or -display). Whether it can be reached shows only when
// QApplication starts; see NoDisplayGuard.
bool DisplayNamed(const CommandLine& commandLine);

// Prints the one line that says no display was found and what to do.
void ReportNoDisplay();

// While it lives (around the construction of QApplication), a fatal message
// from Qt, which means its windowing system could not be started, ends the
// program with exit status 1 and one line on standard error that says what to
// do, instead of Qt's abort. Qt's other messages of that time are held back
// and passed on when the guard ends, so that a failed start prints only the
// one line.
class NoDisplayGuard {
public:
    explicit NoDisplayGuard(const CommandLine& commandLine);
    ~NoDisplayGuard();
    NoDisplayGuard(const NoDisplayGuard&) = delete;
    NoDisplayGuard& operator=(const NoDisplayGuard&) = delete;
};
