// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// Runs the scripted driver on a script and collects what it prints.
struct DriverRun {
    int exitCode = -1;
    std::vector<std::string> out;  // standard output, line by line
    std::string err;               // standard error
};

// Every run's locale, unless a test asks for another: whatever the
// machine's own, the window then writes its numbers with a decimal point.
inline const char* const kDriverLocale = "C.UTF-8";

// Runs the driver under LC_ALL=kDriverLocale, on the platform the tests run
// under (QT_QPA_PLATFORM, xcb on an X server), or offscreen when none is set.
DriverRun RunDriver(const std::string& script);

// The same, with more arguments for the driver's QApplication after the
// script's path (Qt's own options, such as -qwindowgeometry), as the shell
// reads them.
DriverRun RunDriver(const std::string& script, const std::string& qtArguments);

// The same under LC_ALL=locale: the window takes its decimal separator
// from it.
DriverRun RunDriverInLocale(const std::string& script, const std::string& locale);

// The text between the bars of a printed line, back in the program's 8-bit
// form (so "½" is one character again).
std::string Unbar(const std::string& printed);

// The lines of a block the driver printed with a count first ("pane N"),
// starting at the line that begins with header.
std::vector<std::string> Block(const DriverRun& run, const std::string& header);

// Every such block of a run, in the order printed.
std::vector<std::vector<std::string>> Blocks(const DriverRun& run, const std::string& header);
