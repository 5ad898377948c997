// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A press in the pane worked out on a list's lines rather than in the pane:
// a sorted list shows its lines in another order, and a press on one of them
// picks what the same line picks in the order the list was listed.

// A character of a list: its line and its place in that line, from 0; a
// column at the line's length is the line's end.
struct LinePlace {
    size_t line = 0;
    size_t column = 0;
};

// The place of a position counted as the pane counts it for picking (every
// line break two characters): a position inside a line break is the end of
// its line, one past the text the end of the last line.
LinePlace PlaceOfPosition(const std::vector<std::string>& lines, int32_t position);

// The position of a place, counted the same way.
int32_t PositionOfPlace(const std::vector<std::string>& lines, LinePlace place);

// What a press on a character of the lines selects to pick from: the
// kPickTextLength positions from PickLineStart of its position, each line
// break in them as CR LF, and the place where they start. On lines that are
// not all 123 characters long they lie elsewhere than the pressed line, as
// they do in the pane.
struct PickSelection {
    LinePlace start;
    std::string text;
};
PickSelection PickSelectionAt(const std::vector<std::string>& lines, LinePlace pressed);
