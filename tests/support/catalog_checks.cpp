// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/catalog_checks.h"

#include <gtest/gtest.h>

#include <string>

#include "workshop/bench/picking.h"

void ExpectCaptions(const ListHeader& labels, const std::vector<std::string>& expected) {
    ASSERT_EQ(expected.size(), labels.size()) << "a list header has nine labels";
    for (size_t i = 0; i < labels.size(); ++i) {
        EXPECT_EQ(labels[i].caption, expected[i]) << "Label" << i + 1;
    }
}

void ExpectCaptions(const Listing& listing, const std::vector<std::string>& expected) {
    ExpectCaptions(listing.Header(), expected);
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

RowPick PickOf(const Listing& listing, const std::string& text) {
    for (size_t i = 0; i < listing.lines.size(); ++i) {
        const std::string& line = listing.lines[i];
        if (line.size() > text.size() && line.compare(0, text.size(), text) == 0 &&
            line[text.size()] == ' ') {
            return listing.rows.at(i).pick;
        }
    }
    ADD_FAILURE() << "no line starts with '" << text << "'";
    return {};
}
