// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The item sheet as clipboard text. The clipboard holds Unicode; the window
// hands it over and takes it back as UTF-8, while the sheet's lines are
// Latin-1 like every text of the program.

// The text a copy of the sheet puts on the clipboard: every line followed by
// a line break, in UTF-8.
std::string CopiedSheetText(const std::vector<std::string>& latin1Lines);

// No item sheet comes near this many bytes; a longer text is refused before
// it is looked at.
constexpr size_t kMostSheetTextBytes = 16384;

// One line of a pasted text: its number in the text (from 1), its Latin-1
// characters without the trailing blanks, or why it has none (not UTF-8, a
// character beyond Latin-1, or a figure that is no number).
struct PastedLine {
    int number = 0;
    std::string text;
    std::string error;
};

// A pasted text cut into lines, with the blank lines before and after the
// sheet left out; or, when it holds no lines at all (or too many bytes), the
// reason.
struct PastedText {
    std::vector<PastedLine> lines;
    std::string error;
};

// Splits at "\n" or "\r\n" and drops the blanks a line ends with, so a sheet
// that went through an editor or a mail still reads.
PastedText SplitPastedText(std::string_view utf8);
