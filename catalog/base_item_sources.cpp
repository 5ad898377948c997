// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/base_item_sources.h"

#include <algorithm>
#include <string_view>

#include "catalog/carpet.h"
#include "catalog/catalog_table.h"
#include "catalog/component.h"
#include "catalog/equipment.h"
#include "catalog/fauna.h"
#include "catalog/gem.h"
#include "catalog/jewelry.h"
#include "catalog/job.h"
#include "catalog/magic_item.h"
#include "catalog/making_time.h"
#include "catalog/potion.h"
#include "catalog/spell.h"
#include "catalog/weapon.h"

namespace {

constexpr size_t kPickTextLength = 28;

using Table = const CatalogTable&;

const TWeaponKest& VariantOf(Table t, int n, int v) {
    return t.Weapon(n).Variants.at(static_cast<size_t>(v - 1));
}
const std::string& CreatureName(Table t, int n, int v) {
    return FaunaAt(t, n).VariantName.at(static_cast<size_t>(v - 1));
}

// One source: its records, whether it has variants, the base item of a record
// (variant), and the text its list's lines start with (none: no list shows it).
struct SourceForm {
    BaseSource source;
    ShownList list;
    int count;
    int variantSlots;  // 0: the record itself
    BaseItem (*item)(Table t, int n, int v);
    std::string (*listKey)(Table t, int n, int v);
};

// clang-format off
const SourceForm kSources[] = {
    {BaseSource::Weapon, ShownList::Weapons, kWeaponCount, 0,
     [](Table t, int n, int) { const TWeaponItemKest& w = t.Weapon(n);
                               return BaseItem{w.Name, w.Variants[0].Cost, w.Variants[0].Weeks}; },
     [](Table t, int n, int) { return t.Weapon(n).Name; }},
    {BaseSource::WeaponVariant, ShownList::Weapons, kWeaponCount, 8,
     [](Table t, int n, int v) { const TWeaponKest& w = VariantOf(t, n, v);
                                 return BaseItem{w.Name + " (" + t.Weapon(n).Name + ")", w.Cost, w.Weeks}; },
     [](Table t, int n, int v) { return " " + VariantOf(t, n, v).Name; }},
    {BaseSource::Equipment, ShownList::Equipment, kEquipmentCount, 0,
     [](Table t, int n, int) { const TEquipmentItemKest& a = EquipmentAt(t, n);
                               return BaseItem{a.Name, a.Cost, a.Weeks}; },
     [](Table t, int n, int) { return EquipmentAt(t, n).Name; }},
    {BaseSource::Potion, ShownList::Potions, kPotionCount, 0,
     [](Table t, int n, int) { const TPotionItemKest& p = PotionAt(t, n);
                               return BaseItem{p.Name, p.Price, p.Weeks}; },
     [](Table t, int n, int) { return PotionAt(t, n).Name; }},
    {BaseSource::Gem, ShownList::Gems, kGemCount, 0,
     [](Table t, int n, int) { const TGemItemKest& g = GemAt(t, n); return BaseItem{g.Name, g.Price, 0}; },
     [](Table t, int n, int) { return GemAt(t, n).Name; }},
    {BaseSource::TreasureGem, ShownList::None, kGemCount, 0,
     [](Table t, int n, int) { const TGemItemKest& g = GemAt(t, n);
                               return BaseItem{g.Name + " (gem)", g.Price, 0}; }, nullptr},
    {BaseSource::Jewelry, ShownList::Jewelry, kJewelryCount, 0,
     [](Table t, int n, int) { const TJewelryItemKest& j = JewelryAt(t, n);
                               return BaseItem{j.Name, j.Price, WeeksOfMakingFor(j.Price)}; },
     [](Table t, int n, int) { return JewelryAt(t, n).Name; }},
    {BaseSource::Carpet, ShownList::Carpets, kCarpetCount, 0,
     [](Table t, int n, int) { const TCarpetItemKest& c = CarpetAt(t, n);
                               return BaseItem{c.Name, c.Price, WeeksOfMakingFor(c.Price)}; },
     [](Table t, int n, int) { return CarpetAt(t, n).Name; }},
    {BaseSource::Creature, ShownList::Fauna, kFaunaCount, kFaunaVariantSlots,
     [](Table t, int n, int v) { const TStatKest& s = FaunaAt(t, n).Stats.at(static_cast<size_t>(v - 1));
                                 return BaseItem{CreatureName(t, n, v) + " " + FaunaAt(t, n).Name,
                                                 static_cast<double>(s.Cost), 0, s.Hexes}; },
     [](Table t, int n, int v) { return FaunaVariantText(FaunaAt(t, n), v); }},
    {BaseSource::CreatureBySize, ShownList::None, kFaunaCount, 0,
     [](Table t, int n, int) { const TStatKest& s = FaunaAt(t, n).Stats[0];
                               return BaseItem{FaunaAt(t, n).Name + " " + std::to_string(s.Hexes) + " hex",
                                               static_cast<double>(s.Cost), 0, s.Hexes}; }, nullptr},
    {BaseSource::Job, ShownList::Jobs, kJobCount, 0,
     [](Table t, int n, int) { return BaseItem{JobAt(t, n).Name, 0, 0}; },
     [](Table t, int n, int) { return JobAt(t, n).Name; }},
    {BaseSource::Scroll, ShownList::Scrolls, kSpellCount, 0,
     [](Table t, int n, int) { const TSpellsKest& s = SpellAt(t, n);
                               return BaseItem{s.Name + " scroll", double(s.ScrollPrice), s.Weeks}; },
     [](Table t, int n, int) { return SpellAt(t, n).Name + ",S"; }},
    {BaseSource::SpellBook, ShownList::SpellBooks, kSpellCount, 0,
     [](Table t, int n, int) { const TSpellsKest& s = SpellAt(t, n);
                               return BaseItem{"book, " + s.Name, double(s.BookPrice), s.Weeks}; },
     [](Table t, int n, int) { return SpellAt(t, n).Name; }},
    {BaseSource::Component, ShownList::None, kComponentCount, 0,
     [](Table t, int n, int) { const TComponentItemKest& c = ComponentAt(t, n);
                               return BaseItem{c.Name, c.Price, 0}; }, nullptr},
};
// clang-format on

const SourceForm& FormOf(BaseSource source) { return kSources[static_cast<size_t>(source)]; }

// A variant exists when it has a name; a creature kind goes by its size
// only when it has no named variant.
bool Exists(Table t, BaseSource source, int n, int v) {
    switch (source) {
        case BaseSource::WeaponVariant:
            return !VariantOf(t, n, v).Name.empty();
        case BaseSource::Creature:
            return !CreatureName(t, n, v).empty();
        case BaseSource::CreatureBySize:
            return FaunaVariantCount(FaunaAt(t, n)) == 0;
        default:
            return true;
    }
}

template <class Visit>
void ForEachRef(Table t, const SourceForm& form, const Visit& visit) {
    for (int n = 1; n <= form.count; ++n) {
        if (form.variantSlots == 0) {
            if (Exists(t, form.source, n, 0)) visit(BaseRef{form.source, n, 0});
            continue;
        }
        for (int v = 1; v <= form.variantSlots; ++v) {
            if (Exists(t, form.source, n, v)) visit(BaseRef{form.source, n, v});
        }
    }
}

}  // namespace

BaseItem BaseItemOf(const CatalogTable& table, BaseRef ref) {
    return FormOf(ref.source).item(table, ref.n, ref.v);
}

int32_t BaseRecordCount(BaseSource source) { return FormOf(source).count; }

int32_t BaseVariantCount(const CatalogTable& table, BaseSource source, int32_t n) {
    int32_t count = 0;
    for (int v = 1; v <= FormOf(source).variantSlots; ++v) count += Exists(table, source, n, v);
    return count;
}

std::vector<BaseRef> BaseRefs(const CatalogTable& table) {
    std::vector<BaseRef> refs;
    for (const SourceForm& form : kSources) {
        ForEachRef(table, form, [&refs](BaseRef ref) { refs.push_back(ref); });
    }
    return refs;
}

bool CutToSize(BaseSource source) {
    return source == BaseSource::Gem || source == BaseSource::TreasureGem;
}

std::vector<PickCandidate> PickCandidates(const CatalogTable& table, ShownList shown) {
    std::vector<PickCandidate> candidates;
    if (shown == ShownList::MagicItems) {
        for (int32_t i = 0; i < kMagicItemCount; ++i) {
            candidates.push_back({table.MagicItem(i).Name, {PickKind::MagicItem, {}, i, 0}});
        }
    }
    for (const SourceForm& form : kSources) {
        if (form.list != shown || shown == ShownList::None) continue;
        ForEachRef(table, form, [&](BaseRef ref) {
            candidates.push_back({form.listKey(table, ref.n, ref.v),
                                  {PickKind::BaseItem, ref.source, ref.n, ref.v}});
        });
    }
    return candidates;
}

namespace {

// Compares a candidate, filled out with blanks, with 28 characters of a line.
int ComparePadded(std::string_view candidate, std::string_view selected) {
    const int common = candidate.compare(0, selected.size(), selected.substr(0, candidate.size()));
    if (common != 0 || candidate.size() >= selected.size()) return common;
    const size_t rest = selected.find_first_not_of(' ', candidate.size());
    return rest == std::string_view::npos
               ? 0
               : (' ' < static_cast<unsigned char>(selected[rest]) ? -1 : 1);
}

}  // namespace

void FinishCatalogList(const CatalogTable& table, Listing& listing) {
    listing.Format();
    // The lines by their first 28 characters; each candidate in turn gives
    // its pick to the lines it matches, so that the last match stays.
    std::vector<std::pair<std::string_view, size_t>> starts;
    starts.reserve(listing.lines.size());
    for (size_t i = 0; i < listing.lines.size(); ++i) {
        starts.emplace_back(std::string_view(listing.lines[i]).substr(0, kPickTextLength), i);
    }
    std::sort(starts.begin(), starts.end());
    for (const PickCandidate& candidate : PickCandidates(table, listing.shown)) {
        const std::string& text = candidate.text;
        if (text.size() > kPickTextLength || text.find_first_not_of(' ') == std::string::npos)
            continue;
        auto at = std::lower_bound(starts.begin(), starts.end(), text,
                                   [](const auto& start, const std::string& c) {
                                       return ComparePadded(c, start.first) > 0;
                                   });
        for (; at != starts.end() && ComparePadded(text, at->first) == 0; ++at) {
            listing.rows[at->second].pick = candidate.pick;
        }
    }
}
