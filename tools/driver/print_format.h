// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// How the driver prints the program's values.

// An 8-bit program text as UTF-8 between bars, so trailing blanks show.
std::string Barred(const std::string& latin1);

// A double in its shortest form that reads back to the same value, always
// with a point.
std::string ShortestDouble(double value);

// A note code character: the zero character as backslash and zero.
std::string NoteCodeText(char code);
