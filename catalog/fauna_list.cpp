// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/fauna.h"
#include "catalog/text_format.h"

namespace {

// Columns of a variant line: label 1-28, cost 29-33, hexes 34-37, weight
// 38-47, stat total 48-52, four blanks, parts 57-123. A title line is the
// kind's name alone, padded to the full width.
constexpr int kLabelWidth = 28;
constexpr int kCostWidth = 5;
constexpr int kHexesWidth = 4;
constexpr int kWeightWidth = 10;
constexpr int kWeightMinWidth = 4;
constexpr int kStatTotalWidth = 5;
constexpr int kPartsGap = 4;
constexpr int kPartsWidth = 67;

// The label of variant k: the disease lines name only the ailment ("vampire"),
// every other line the variant and its kind (" 14-hex dragon").
std::string VariantLabel(const TFloura_FaunaKest& kind, int n, int k) {
    if (n == kFaunaDisease) return " " + kind.VariantName[static_cast<size_t>(k - 1)];
    return FaunaVariantText(kind, k);
}

std::string VariantLine(const std::string& label, const TStatKest& stats) {
    const int64_t statTotal = int64_t{stats.ST} + stats.DX + stats.IQ + stats.ExtraPoints;
    return textfmt::LineBuilder()
        .Left(kLabelWidth, label)
        .Right(kCostWidth, textfmt::Int(stats.Cost))
        .Right(kHexesWidth, textfmt::Int(stats.Hexes))
        .Right(kWeightWidth, textfmt::Fixed2(stats.Weight, kWeightMinWidth))
        .Right(kStatTotalWidth, textfmt::Int(statTotal))
        .Blanks(kPartsGap)
        .Left(kPartsWidth, FaunaPartsText(stats))
        .Take();
}

}  // namespace

Listing ListFauna(const CatalogTable& table) {
    Listing listing;
    listing.labels = {{{8, "Floura Fauna"},
                       {232, "Cost"},
                       {276, "Hexes"},
                       {344, "WT"},
                       {344, ""},
                       {394, "Stat"},
                       {394, "Total"},
                       {452, "Parts"},
                       {452, ""}}};
    for (int n = 1; n <= kFaunaCount; ++n) {
        const TFloura_FaunaKest& kind = FaunaAt(table, n);
        listing.lines.push_back(
            textfmt::LineBuilder().Left(textfmt::kListLineWidth, kind.Name).Take());
        for (int k = 1; k <= kFaunaVariantSlots; ++k) {
            const auto slot = static_cast<size_t>(k - 1);
            if (kind.VariantName[slot].empty()) continue;
            listing.lines.push_back(VariantLine(VariantLabel(kind, n, k), kind.Stats[slot]));
        }
    }
    listing.returnToTop = true;
    listing.shown = ShownList::Fauna;
    return listing;
}
