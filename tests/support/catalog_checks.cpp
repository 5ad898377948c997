// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/catalog_checks.h"

#include <gtest/gtest.h>

#include <string>

#include "workshop/picking.h"

void ExpectLabels(const std::array<HeaderLabel, 9>& labels,
                  const std::vector<HeaderLabel>& expected) {
    ASSERT_EQ(expected.size(), labels.size()) << "a list header has nine labels";
    for (size_t i = 0; i < labels.size(); ++i) {
        SCOPED_TRACE("Label" + std::to_string(i + 1));
        EXPECT_EQ(labels[i].left, expected[i].left);
        EXPECT_EQ(labels[i].caption, expected[i].caption);
    }
}

void ExpectLabels(const Listing& listing, const std::vector<HeaderLabel>& expected) {
    ExpectLabels(listing.labels, expected);
}

namespace {

struct BuiltOnce {
    BuiltOnce() { table.Build(); }
    CatalogTable table;
};

}  // namespace

const CatalogTable& BuiltTable() {
    static const BuiltOnce built;
    return built.table;
}

std::string Selection(const Listing& listing, const std::string& text) {
    for (const std::string& line : listing.lines) {
        if (line.size() > text.size() && line.compare(0, text.size(), text) == 0 &&
            line[text.size()] == ' ') {
            return line.substr(0, kPickTextLength);
        }
    }
    ADD_FAILURE() << "no line starts with '" << text << "'";
    return {};
}
