// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/plans/sheet_text.h"

#include <cstdint>
#include <cstdio>
#include <utility>

#include "catalog/text_format.h"

namespace {

void AppendUtf8(std::string& out, unsigned char c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string CodePointName(uint32_t codePoint) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(codePoint));
    return name;
}

// Decodes one line of UTF-8 into Latin-1; false with the reason when it
// cannot be.
bool DecodeLine(std::string_view utf8, std::string& latin1, std::string& error) {
    latin1.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        int length = 0;
        uint32_t codePoint = 0;
        if (lead < 0x80) {
            length = 1;
            codePoint = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            codePoint = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            codePoint = lead & 0x0Fu;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            codePoint = lead & 0x07u;
        } else {
            error = "the text is not UTF-8";
            return false;
        }
        if (i + static_cast<size_t>(length) > utf8.size()) {
            error = "the text is not UTF-8";
            return false;
        }
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + static_cast<size_t>(k)]);
            if ((next & 0xC0) != 0x80) {
                error = "the text is not UTF-8";
                return false;
            }
            codePoint = (codePoint << 6) | (next & 0x3Fu);
        }
        if (codePoint > 0xFF) {
            error = "no catalog name holds the character " + CodePointName(codePoint);
            return false;
        }
        latin1 += static_cast<char>(codePoint);
        i += static_cast<size_t>(length);
    }
    return true;
}

}  // namespace

std::string CopiedSheetText(const std::vector<std::string>& latin1Lines) {
    std::string text;
    for (const std::string& line : latin1Lines) {
        for (char c : line) AppendUtf8(text, static_cast<unsigned char>(c));
        text += '\n';
    }
    return text;
}

PastedText SplitPastedText(std::string_view utf8) {
    PastedText pasted;
    if (utf8.size() > kMostSheetTextBytes) {
        pasted.error = "the clipboard holds " + textfmt::Int(static_cast<int64_t>(utf8.size())) +
                       " bytes of text; an item sheet has at most " +
                       textfmt::Int(kMostSheetTextBytes);
        return pasted;
    }
    if (utf8.empty()) {
        pasted.error = "the clipboard holds no text";
        return pasted;
    }
    // Some editors put a byte order mark before what they copy.
    const std::string_view byteOrderMark = "\xEF\xBB\xBF";
    if (utf8.substr(0, byteOrderMark.size()) == byteOrderMark) {
        utf8.remove_prefix(byteOrderMark.size());
    }
    int number = 0;
    size_t start = 0;
    while (start <= utf8.size()) {
        size_t end = utf8.find('\n', start);
        if (end == std::string_view::npos) end = utf8.size();
        std::string_view raw = utf8.substr(start, end - start);
        ++number;
        start = end + 1;
        const size_t last = raw.find_last_not_of(" \r");
        raw = last == std::string_view::npos ? std::string_view() : raw.substr(0, last + 1);
        if (raw.empty() && pasted.lines.empty()) continue;  // blank lines before the sheet
        PastedLine line;
        line.number = number;
        if (!DecodeLine(raw, line.text, line.error)) line.text.clear();
        pasted.lines.push_back(std::move(line));
    }
    while (!pasted.lines.empty() && pasted.lines.back().text.empty() &&
           pasted.lines.back().error.empty()) {
        pasted.lines.pop_back();  // blank lines after it
    }
    if (pasted.lines.empty()) pasted.error = "the clipboard holds only blank lines";
    return pasted;
}
