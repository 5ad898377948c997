// SPDX-License-Identifier: GPL-3.0-or-later
// The full text of every list, byte for byte (Latin-1, decimal point '.'),
// against the copy checked in under tests/snapshots/. The other tests pin
// the rows the game book fixes and the layout rules; this one catches any
// other changed figure, name or note that a list shows.
//
// After a deliberate change of the data, rewrite the copies with
//     scripts/update-snapshots.sh
// and review the difference (git diff tests/snapshots) before committing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "catalog/carpet.h"
#include "catalog/equipment.h"
#include "catalog/fauna.h"
#include "catalog/gem.h"
#include "catalog/jewelry.h"
#include "catalog/job.h"
#include "catalog/potion.h"
#include "catalog/spell.h"
#include "catalog/text_format.h"
#include "catalog/weapon_list.h"
#include "tests/support/catalog_checks.h"
#include "workshop/lists/analysis.h"
#include "workshop/lists/enchantment_list.h"

namespace {

const char* const kUpdateCommand = "scripts/update-snapshots.sh";

struct ListSnapshot {
    const char* file;  // in tests/snapshots/
    Listing (*list)(const CatalogTable&);
};

// Every list a button of the window shows: the ten catalog lists (the spell
// catalog twice, as scrolls and as books), the enchantment list and the
// analysis.
const ListSnapshot kSnapshots[] = {
    {"weapons.txt", ListWeapons},
    {"equipment.txt", ListEquipment},
    {"scrolls.txt", ListScrolls},
    {"spell_books.txt", ListSpellBooks},
    {"potions.txt", ListPotions},
    {"gems.txt", ListGems},
    {"jewelry.txt", ListJewelry},
    {"carpets.txt", ListCarpets},
    {"fauna.txt", ListFauna},
    {"jobs.txt", ListJobs},
    {"enchantments.txt", ListEnchantments},
    {"analysis.txt", Analyze},
};

std::string PathOf(const char* file) { return std::string(THARNWELL_SNAPSHOT_DIR "/") + file; }

// The pane's text as the list writes it: each line ended by a line break.
std::string PaneText(const Listing& listing) {
    std::string text;
    for (const std::string& line : listing.lines) text += line + '\n';
    return text;
}

bool Read(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    text = bytes.str();
    return true;
}

// Where two texts first differ, as "line N" with both lines shown.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
    std::istringstream a(expected), b(actual);
    std::string lineA, lineB;
    for (int n = 1;; ++n) {
        const bool hasA = static_cast<bool>(std::getline(a, lineA));
        const bool hasB = static_cast<bool>(std::getline(b, lineB));
        if (!hasA && !hasB) return "only in the final line break";
        if (!hasA || !hasB || lineA != lineB) {
            return "line " + std::to_string(n) + ":\n  checked in: |" + (hasA ? lineA : "<none>") +
                   "|\n  now:        |" + (hasB ? lineB : "<none>") + "|";
        }
    }
}

TEST(ListSnapshots, EveryListByteForByte) {
    textfmt::SetDecimalSeparator('.');
    const bool update = std::getenv("THARNWELL_UPDATE_SNAPSHOTS") != nullptr;
    for (const ListSnapshot& snapshot : kSnapshots) {
        SCOPED_TRACE(snapshot.file);
        const std::string actual = PaneText(snapshot.list(BuiltTable()));
        const std::string path = PathOf(snapshot.file);
        if (update) {
            std::ofstream(path, std::ios::binary) << actual;
            std::printf("wrote %s\n", path.c_str());
            continue;
        }
        std::string expected;
        ASSERT_TRUE(Read(path, expected))
            << "cannot read " << path << "; " << kUpdateCommand << " writes it";
        EXPECT_TRUE(expected == actual)
            << "the list differs from " << path << " at " << FirstDifference(expected, actual)
            << "\nIf the data was changed on purpose, rewrite the snapshots with " << kUpdateCommand
            << " and review git diff tests/snapshots.";
    }
}

}  // namespace
