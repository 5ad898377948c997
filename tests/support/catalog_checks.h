// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <vector>

#include "catalog/catalog_table.h"
#include "catalog/listing.h"

// Checks the captions of the nine header labels (Label1..Label9) one by one
// against expected, with the label's number in the failure message.
void ExpectCaptions(const ListHeader& labels, const std::vector<std::string>& expected);
void ExpectCaptions(const Listing& listing, const std::vector<std::string>& expected);

// One table with every catalog record built as at start-up, made on first use
// and shared by every test of the program. It is for reading only: a test
// that changes a record builds its own table.
const CatalogTable& BuiltTable();

// The pick of the list line that starts with text and a blank, as a click
// anywhere on that line picks it; fails the test when no line does.
RowPick PickOf(const Listing& listing, const std::string& text);
