// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <vector>

#include "catalog/catalog_table.h"
#include "catalog/listing.h"

// Checks the nine header labels (Label1..Label9) one by one against
// expected: each label's left edge and caption, with the label's number in
// the failure message. expected must hold nine labels.
void ExpectLabels(const std::array<HeaderLabel, 9>& labels,
                  const std::vector<HeaderLabel>& expected);
void ExpectLabels(const Listing& listing, const std::vector<HeaderLabel>& expected);

// One table with every catalog record built as at start-up, made on first use
// and shared by every test of the program. It is for reading only: a test
// that changes a record builds its own table.
const CatalogTable& BuiltTable();

// The first 28 characters of the list line that starts with text and a
// blank, as a click anywhere on that line selects them; fails the test when
// no line does.
std::string Selection(const Listing& listing, const std::string& text);
