// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/lists/line_search.h"

#include <algorithm>

#include "workshop/bench/picking.h"

namespace {

// Latin-1 lower case: A-Z and the accented capitals (but the multiplication
// sign) fold onto their small letters.
unsigned char Folded(char c) {
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7)) return u + 0x20;
    return u;
}

bool FirstColumnStartsWith(const std::string& line, const std::string& folded) {
    const size_t end = std::min(line.size(), static_cast<size_t>(kPickTextLength));
    size_t start = 0;
    while (start < end && line[start] == ' ') ++start;
    if (end - start < folded.size()) return false;
    for (size_t i = 0; i < folded.size(); ++i) {
        if (static_cast<char>(Folded(line[start + i])) != folded[i]) return false;
    }
    return true;
}

}  // namespace

std::string FoldCase(const std::string& text) {
    std::string folded(text.size(), '\0');
    std::transform(text.begin(), text.end(), folded.begin(),
                   [](char c) { return static_cast<char>(Folded(c)); });
    return folded;
}

bool ContainsFolded(const std::string& text, const std::string& folded) {
    if (folded.empty()) return true;
    const auto same = [](char t, char f) { return static_cast<char>(Folded(t)) == f; };
    return std::search(text.begin(), text.end(), folded.begin(), folded.end(), same) != text.end();
}

std::optional<size_t> LineStartingWith(const std::vector<std::string>& lines,
                                       const std::string& typed, size_t from) {
    if (typed.empty() || lines.empty()) return std::nullopt;
    const std::string folded = FoldCase(typed);
    for (size_t k = 0; k < lines.size(); ++k) {
        const size_t line = (from + k) % lines.size();
        if (FirstColumnStartsWith(lines[line], folded)) return line;
    }
    return std::nullopt;
}

TypeAhead::Search TypeAhead::Type(char character, uint64_t timeMs, uint64_t intervalMs) {
    // A time stamp from before the last one (another clock) counts as a pause.
    const bool pause = !lastMs_ || timeMs < *lastMs_ || timeMs - *lastMs_ > intervalMs;
    // No first column starts with a blank: one cannot start a text.
    if (character == ' ' && (pause || typed_.empty())) return {};
    lastMs_ = timeMs;
    // The same letter once more, also after a pause, steps on to the next
    // line with it.
    const bool sameLetter =
        !typed_.empty() && std::all_of(typed_.begin(), typed_.end(),
                                       [&](char c) { return Folded(c) == Folded(character); });
    if (pause) typed_.clear();
    typed_ += character;
    if (sameLetter) return {std::string(1, character), true};
    return {typed_, false};
}

std::optional<TypeAhead::Search> TypeAhead::TakeBack(uint64_t timeMs) {
    if (typed_.empty()) return std::nullopt;
    lastMs_ = timeMs;
    typed_.pop_back();
    if (typed_.empty()) return std::nullopt;
    return Search{typed_, false};
}

std::vector<TextMatch> FindInLines(const std::vector<std::string>& lines, const std::string& text) {
    std::vector<TextMatch> matches;
    if (text.empty()) return matches;
    const std::string folded = FoldCase(text);
    std::string line;
    for (size_t k = 0; k < lines.size(); ++k) {
        // Folded in place, so the one buffer serves every line.
        line = lines[k];
        for (char& c : line) c = static_cast<char>(Folded(c));
        for (size_t at = line.find(folded); at != std::string::npos;
             at = line.find(folded, at + folded.size())) {
            matches.push_back({k, at});
        }
    }
    return matches;
}

namespace {

// How many matches lie before the place, in reading order.
size_t MatchesBefore(const std::vector<TextMatch>& matches, TextMatch place) {
    const auto after = std::find_if(matches.begin(), matches.end(), [&](const TextMatch& m) {
        return m.line > place.line || (m.line == place.line && m.column >= place.column);
    });
    return static_cast<size_t>(after - matches.begin());
}

}  // namespace

std::optional<size_t> MatchAtOrAfter(const std::vector<TextMatch>& matches, TextMatch place) {
    if (matches.empty()) return std::nullopt;
    const size_t before = MatchesBefore(matches, place);
    return before == matches.size() ? 0 : before;
}

std::optional<size_t> MatchBefore(const std::vector<TextMatch>& matches, TextMatch place) {
    if (matches.empty()) return std::nullopt;
    const size_t before = MatchesBefore(matches, place);
    return before == 0 ? matches.size() - 1 : before - 1;
}
