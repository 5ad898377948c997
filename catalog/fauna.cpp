// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/fauna.h"

#include <string_view>

namespace {

// Fills Part1..Part5 from a row's parts text, split at each ", ".
void SetParts(TStatKest& stats, std::string_view text) {
    std::string* parts[kFaunaMaxParts] = {&stats.Part1, &stats.Part2, &stats.Part3, &stats.Part4,
                                          &stats.Part5};
    static constexpr std::string_view kSeparator = ", ";
    for (std::string* part : parts) {
        if (text.empty()) return;
        const size_t end = text.find(kSeparator);
        *part = std::string(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view()
                                             : text.substr(end + kSeparator.size());
    }
}

void SetStats(TStatKest& stats, const FaunaVariantRow& row) {
    SetParts(stats, row.parts);
    stats.ST = row.st;
    stats.DX = row.dx;
    stats.IQ = row.iq;
    stats.MA = row.ma;
    stats.FlyMA = row.flyMa;
    stats.SwimMA = row.swimMa;
    stats.ExtraPoints = row.extraPoints;
    stats.Hexes = row.hexes;
    stats.Weight = row.weight;
}

}  // namespace

int32_t FaunaCost(const TStatKest& stats) {
    // Unsigned arithmetic wraps like the 32-bit registers the rule is reckoned in.
    const uint32_t st = static_cast<uint32_t>(stats.ST);
    const uint32_t dx = static_cast<uint32_t>(stats.DX);
    const uint32_t ma = static_cast<uint32_t>(stats.MA);
    uint32_t cost = 10u * st + dx * dx + 3u * ma;
    if (stats.IQ == 6) {
        cost *= 3u;
    } else if (stats.IQ == 7) {
        cost *= 10u;
    } else if (stats.IQ > 7) {
        cost *= static_cast<uint32_t>(stats.IQ) + static_cast<uint32_t>(stats.ExtraPoints);
    }
    return static_cast<int32_t>(cost);
}

TFloura_FaunaKest::TFloura_FaunaKest(int32_t index) {
    if (index >= 1 && index <= kFaunaCount) {
        const FaunaKindRow& row = kFaunaRows[index - 1];
        Name = row.name;
        PluralName = row.plural;
        for (int k = 0; k < kFaunaVariantSlots && row.variants[k].name != nullptr; ++k) {
            VariantName[k] = row.variants[k].name;
            SetStats(Stats[k], row.variants[k]);
        }
    }
    for (TStatKest& stats : Stats) stats.Cost = FaunaCost(stats);
}

int FaunaVariantCount(const TFloura_FaunaKest& kind) {
    int count = 0;
    for (const std::string& name : kind.VariantName) {
        if (!name.empty()) ++count;
    }
    return count;
}

std::string FaunaVariantText(const TFloura_FaunaKest& kind, int k) {
    std::string text;
    text.reserve(kind.VariantName.at(static_cast<size_t>(k - 1)).size() + kind.Name.size() + 2);
    AddFaunaVariantText(text, kind, k);
    return text;
}

void AddFaunaVariantText(std::string& text, const TFloura_FaunaKest& kind, int k) {
    ((text += ' ') += kind.VariantName.at(static_cast<size_t>(k - 1))) += ' ';
    text += kind.Name;
}

std::string FaunaPartsText(const TStatKest& stats) {
    std::string text = stats.Part1;
    for (const std::string* part : {&stats.Part2, &stats.Part3, &stats.Part4, &stats.Part5}) {
        if (!part->empty()) text += ", " + *part;
    }
    return text;
}
