// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/pick_place.h"

#include "workshop/picking.h"

namespace {

int32_t LengthOf(const std::string& line) { return static_cast<int32_t>(line.size()); }

}  // namespace

LinePlace PlaceOfPosition(const std::vector<std::string>& lines, int32_t position) {
    int32_t lineStart = 0;
    for (size_t i = 0; i < lines.size() && position > 0; ++i) {
        const int32_t length = LengthOf(lines[i]);
        if (position <= lineStart + length) {
            return {i, static_cast<size_t>(position - lineStart)};
        }
        if (i + 1 == lines.size() || position < lineStart + length + 2) {
            return {i, static_cast<size_t>(length)};
        }
        lineStart += length + 2;
    }
    return {};
}

int32_t PositionOfPlace(const std::vector<std::string>& lines, LinePlace place) {
    int32_t position = 0;
    for (size_t i = 0; i < place.line && i < lines.size(); ++i) position += LengthOf(lines[i]) + 2;
    return position + static_cast<int32_t>(place.column);
}

PickSelection PickSelectionAt(const std::vector<std::string>& lines, LinePlace pressed) {
    PickSelection pick;
    if (lines.empty()) return pick;
    pick.start = PlaceOfPosition(lines, PickLineStart(PositionOfPlace(lines, pressed)));
    const LinePlace end =
        PlaceOfPosition(lines, PositionOfPlace(lines, pick.start) + kPickTextLength);
    for (size_t line = pick.start.line; line <= end.line; ++line) {
        const size_t from = line == pick.start.line ? pick.start.column : 0;
        const size_t to = line == end.line ? end.column : lines[line].size();
        pick.text.append(lines[line], from, to - from);
        if (line != end.line) pick.text += "\r\n";
    }
    return pick;
}
