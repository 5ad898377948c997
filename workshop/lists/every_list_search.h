// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "catalog/listing.h"

class CatalogTable;

// Finding a text in every catalog list at once, for the game master who
// reads "ruby" in a hoard and wants to know which lists hold it.

// One catalog list as finding in every list reads it.
struct NamedListing {
    const char* name;  // on its heading line: "Gem list"
    Listing listing;
};

// Every catalog list, in the order of the list buttons: weapons, equipment,
// scrolls, spell books, potions, gems, jewelry, carpets, fauna, jobs and the
// enchantments, each as its list command lists it now.
std::vector<NamedListing> EveryCatalogList(const CatalogTable& table);

// The entries of the lists with a line that holds the text, ignoring case as
// the find field does, each whole: its first row and its notes, however few
// of them hold it. Each list's rows found stand under a heading row with the
// list's name and its columns' captions, under the list's own columns and
// with their own picks, lines as in their list; a last row says how many
// rows were found. An empty text finds nothing.
Listing FindInEveryList(const std::vector<NamedListing>& lists, const std::string& text);
