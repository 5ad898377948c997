// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "tests/e2e/driver_run.h"

// Helpers of the end-to-end tests of the keys, the clipboard, undo and the
// window's fit.

// Runs a script and expects it to end well.
DriverRun RunFine(const std::string& script);

// The pane a list command shows, as the driver prints it (one run per list,
// kept for the rest of the test program).
const std::vector<std::string>& ListedPane(const std::string& button);

// The number of the line of a list whose first 28 characters are text filled
// out with blanks; fails the test when there is none.
int EntryLine(const std::string& button, const std::string& text);

// The driver command that puts these lines on the clipboard as a copy of
// them would: each line followed by a line break.
std::string SetClipboard(const std::vector<std::string>& lines);

// The printed lines that start with prefix, in order.
std::vector<std::string> Prefixed(const DriverRun& run, const std::string& prefix);

// Everything a "state" print says, one block per print, in order.
std::vector<std::vector<std::string>> StateBlocks(const DriverRun& run);

// A control's place and font as "geometry" prints them.
struct Geometry {
    std::string name;
    int left = 0, top = 0, width = 0, height = 0;
    bool shown = false;
    std::string family;
    int pixelSize = 0;
    bool bold = false;
};

// The geometry of one control, read from a "geometry" print.
Geometry ParseGeometry(const std::string& printed);

// The width the text takes in the font, measured in this process.
int TextWidth(const std::string& family, int pixelSize, bool bold, const std::string& text);
