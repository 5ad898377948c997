// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <vector>

// Which catalog's entries a listing puts in the output pane; a click on the
// pane picks only among these.
enum class ShownList {
    None,     // nothing pickable (the making report)
    Weapons,  // the weapons and their variants
    Equipment,
    Scrolls,     // the spells as scrolls
    SpellBooks,  // the spells as books
    Potions,
    Gems,
    Jewelry,
    Carpets,
    Fauna,
    Jobs,
    MagicItems,  // the enchantment list and the analysis
    Hoard,       // a rolled hoard: a line gives its item by its place, not by name
    MadeItems,   // the items made this run: a line stands for its item's plan
};

// One column header label above the output pane: its left position and caption.
struct HeaderLabel {
    int left = 0;
    std::string caption;
};

// Everything a list command puts on the screen: the nine header labels
// (Label1..Label9), the pane's lines, and whether the view then returns to
// the top of the list.
struct Listing {
    std::array<HeaderLabel, 9> labels;
    std::vector<std::string> lines;
    bool returnToTop = true;
    ShownList shown = ShownList::None;
    // How many lines at the end sum the list up (a hoard's total): they are
    // no entries, and stay last when the list is sorted.
    size_t sumLines = 0;
};
