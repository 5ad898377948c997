// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Finding lines of a list or the making report by typing, without picking:
// the texts are the pane's 8-bit Latin-1 lines, compared ignoring case.

// A text in Latin-1 lower case (A-Z and the accented capitals folded onto
// their small letters), as every search here compares texts.
std::string FoldCase(const std::string& text);
// Whether a text, folded by FoldCase, occurs in `text` ignoring case.
bool ContainsFolded(const std::string& text, const std::string& folded);

// Type to jump: the first line from `from` on, wrapping round past the last,
// whose first column (the characters a click compares, leading blanks left
// out, so that a weapon variant is found by its own name) starts with
// `typed`. Nothing when no line does or nothing is typed.
std::optional<size_t> LineStartingWith(const std::vector<std::string>& lines,
                                       const std::string& typed, size_t from);

// What typed characters add up to. Characters that follow each other within
// the keyboard's input interval grow the text, searched for from the caret's
// line on, so the caret stays while its line still matches; after a pause a
// character starts a new text. Typing the one letter again ("hhh", also
// after a pause) steps on to the next line starting with it, as list views
// do.
class TypeAhead {
public:
    struct Search {
        std::string text;       // the text a line's first column must start with
        bool fromNext = false;  // search from the line after the caret's
    };

    // A character typed at timeMs (the key press's time stamp). A blank
    // cannot start a text: it gives an empty one, to search for nothing.
    Search Type(char character, uint64_t timeMs, uint64_t intervalMs);
    // Backspace at timeMs: the text without its last character; nothing
    // when empty. It counts as a keystroke, so the pause starts anew.
    std::optional<Search> TakeBack(uint64_t timeMs);
    // The typed text ends (Enter, a pick, a caret key, the focus elsewhere):
    // the next character starts a new one.
    void End() { *this = TypeAhead(); }

private:
    std::string typed_;
    std::optional<uint64_t> lastMs_;
};

// One place a found text occurs: its line and its column, both from 0.
struct TextMatch {
    size_t line = 0;
    size_t column = 0;
    bool operator==(const TextMatch& other) const {
        return line == other.line && column == other.column;
    }
};

// Every place the text occurs in the lines, ignoring case, in reading order;
// places may not overlap. Nothing for an empty text.
std::vector<TextMatch> FindInLines(const std::vector<std::string>& lines, const std::string& text);

// The first match at or after the place (line, column), wrapping round to
// the first one; nothing when there are no matches.
std::optional<size_t> MatchAtOrAfter(const std::vector<TextMatch>& matches, TextMatch place);

// The last match before the place, wrapping round to the last one; nothing
// when there are no matches.
std::optional<size_t> MatchBefore(const std::vector<TextMatch>& matches, TextMatch place);
