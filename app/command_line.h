// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

// What the command line asks for, read before any window or display exists.
struct CommandLine {
    // Set when the program is done before opening its window: 0 after
    // --help or --version, 2 after an unknown option or a stray argument.
    std::optional<int> exitCode;
    std::string platform;  // the windowing system named by Qt's -platform option
    std::string display;   // the X display named by Qt's -display option
    std::string
        journal;  // the file --journal names, as the file system spells it; none: the default
};

// Answers --help and --version and rejects anything unknown, printing to
// standard output or standard error. Qt's own options (-platform, -style,
// -qwindowgeometry, ...) are accepted and left in argv for QApplication.
CommandLine ReadCommandLine(int argc, char* argv[]);
