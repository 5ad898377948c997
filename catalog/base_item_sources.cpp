// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/base_item_sources.h"

#include <algorithm>
#include <functional>
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

using Table = const CatalogTable&;

const TWeaponKest& VariantOf(Table t, int n, int v) {
    return t.Weapon(n).Variants.at(static_cast<size_t>(v - 1));
}
const std::string& CreatureName(Table t, int n, int v) {
    return FaunaAt(t, n).VariantName.at(static_cast<size_t>(v - 1));
}

// One source: its records, whether it has variants, the base item of a record
// (variant), and the text its list's lines start with, added to the texts
// before it (none: no list shows it).
struct SourceForm {
    BaseSource source;
    ShownList list;
    int count;
    int variantSlots;  // 0: the record itself
    BaseItem (*item)(Table t, int n, int v);
    void (*listKey)(Table t, int n, int v, std::string& texts);
};

// clang-format off
constexpr SourceForm kSources[] = {
    {BaseSource::Weapon, ShownList::Weapons, kWeaponCount, 0,
     [](Table t, int n, int) { const TWeaponItemKest& w = t.Weapon(n);
                               return BaseItem{w.Name, w.Variants[0].Cost, w.Variants[0].Weeks}; },
     [](Table t, int n, int, std::string& texts) { texts += t.Weapon(n).Name; }},
    {BaseSource::WeaponVariant, ShownList::Weapons, kWeaponCount, 8,
     [](Table t, int n, int v) { const TWeaponKest& w = VariantOf(t, n, v);
                                 return BaseItem{w.Name + " (" + t.Weapon(n).Name + ")", w.Cost, w.Weeks}; },
     [](Table t, int n, int v, std::string& texts) { (texts += ' ') += VariantOf(t, n, v).Name; }},
    {BaseSource::Equipment, ShownList::Equipment, kEquipmentCount, 0,
     [](Table t, int n, int) { const TEquipmentItemKest& a = EquipmentAt(t, n);
                               return BaseItem{a.Name, a.Cost, a.Weeks}; },
     [](Table t, int n, int, std::string& texts) { texts += EquipmentAt(t, n).Name; }},
    {BaseSource::Potion, ShownList::Potions, kPotionCount, 0,
     [](Table t, int n, int) { const TPotionItemKest& p = PotionAt(t, n);
                               return BaseItem{p.Name, p.Price, p.Weeks}; },
     [](Table t, int n, int, std::string& texts) { texts += PotionAt(t, n).Name; }},
    {BaseSource::Gem, ShownList::Gems, kGemCount, 0,
     [](Table t, int n, int) { const TGemItemKest& g = GemAt(t, n); return BaseItem{g.Name, g.Price, 0}; },
     [](Table t, int n, int, std::string& texts) { texts += GemAt(t, n).Name; }},
    {BaseSource::TreasureGem, ShownList::None, kGemCount, 0,
     [](Table t, int n, int) { const TGemItemKest& g = GemAt(t, n);
                               return BaseItem{g.Name + " (gem)", g.Price, 0}; }, nullptr},
    {BaseSource::Jewelry, ShownList::Jewelry, kJewelryCount, 0,
     [](Table t, int n, int) { const TJewelryItemKest& j = JewelryAt(t, n);
                               return BaseItem{j.Name, j.Price, WeeksOfMakingFor(j.Price)}; },
     [](Table t, int n, int, std::string& texts) { texts += JewelryAt(t, n).Name; }},
    {BaseSource::Carpet, ShownList::Carpets, kCarpetCount, 0,
     [](Table t, int n, int) { const TCarpetItemKest& c = CarpetAt(t, n);
                               return BaseItem{c.Name, c.Price, WeeksOfMakingFor(c.Price)}; },
     [](Table t, int n, int, std::string& texts) { texts += CarpetAt(t, n).Name; }},
    {BaseSource::Creature, ShownList::Fauna, kFaunaCount, kFaunaVariantSlots,
     [](Table t, int n, int v) { const TStatKest& s = FaunaAt(t, n).Stats.at(static_cast<size_t>(v - 1));
                                 return BaseItem{CreatureName(t, n, v) + " " + FaunaAt(t, n).Name,
                                                 static_cast<double>(s.Cost), 0, s.Hexes}; },
     [](Table t, int n, int v, std::string& texts) { AddFaunaVariantText(texts, FaunaAt(t, n), v); }},
    {BaseSource::CreatureBySize, ShownList::None, kFaunaCount, 0,
     [](Table t, int n, int) { const TStatKest& s = FaunaAt(t, n).Stats[0];
                               return BaseItem{FaunaAt(t, n).Name + " " + std::to_string(s.Hexes) + " hex",
                                               static_cast<double>(s.Cost), 0, s.Hexes}; }, nullptr},
    {BaseSource::Job, ShownList::Jobs, kJobCount, 0,
     [](Table t, int n, int) { return BaseItem{JobAt(t, n).Name, 0, 0}; },
     [](Table t, int n, int, std::string& texts) { texts += JobAt(t, n).Name; }},
    {BaseSource::Scroll, ShownList::Scrolls, kSpellCount, 0,
     [](Table t, int n, int) { const TSpellsKest& s = SpellAt(t, n);
                               return BaseItem{s.Name + " scroll", double(s.ScrollPrice), s.Weeks}; },
     [](Table t, int n, int, std::string& texts) { (texts += SpellAt(t, n).Name) += ",S"; }},
    {BaseSource::SpellBook, ShownList::SpellBooks, kSpellCount, 0,
     [](Table t, int n, int) { const TSpellsKest& s = SpellAt(t, n);
                               return BaseItem{"book, " + s.Name, double(s.BookPrice), s.Weeks}; },
     [](Table t, int n, int, std::string& texts) { texts += SpellAt(t, n).Name; }},
    {BaseSource::Component, ShownList::None, kComponentCount, 0,
     [](Table t, int n, int) { const TComponentItemKest& c = ComponentAt(t, n);
                               return BaseItem{c.Name, c.Price, 0}; }, nullptr},
};
// clang-format on

// kSources is read by BaseSource: its rows stand in the enum's order, and
// each shows in the list the catalog lists say.
constexpr bool SourcesInOrder() {
    for (size_t i = 0; i < std::size(kSources); ++i) {
        if (kSources[i].source != static_cast<BaseSource>(i)) return false;
        if (kSources[i].list != kBaseSourceLists[i]) return false;
    }
    return std::size(kSources) == std::size(kBaseSourceLists);
}
static_assert(SourcesInOrder(), "kSources stands in BaseSource's order, in the lists named");

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

namespace {

// The texts a list's lines start with for each of its entries, one after
// another in the order a click compares them, and each entry's pick.
struct EntryTexts {
    struct Entry {
        size_t end;  // of its text in `texts`
        RowPick pick;
    };
    std::string texts;
    std::vector<Entry> entries;

    std::string_view Text(size_t k) const {
        const size_t from = k > 0 ? entries[k - 1].end : 0;
        return std::string_view(texts).substr(from, entries[k].end - from);
    }
};

EntryTexts EntryTextsOf(Table table, ShownList shown) {
    // Room for every record and variant, and names of about 16 characters.
    size_t room = shown == ShownList::MagicItems ? kMagicItemCount : 0;
    for (const SourceForm& form : kSources) {
        if (form.list == shown) room += size_t(form.count) * size_t(std::max(form.variantSlots, 1));
    }
    EntryTexts list;
    list.texts.reserve(room * 16);
    list.entries.reserve(room);
    if (shown == ShownList::MagicItems) {
        for (int32_t i = 0; i < kMagicItemCount; ++i) {
            list.texts += table.MagicItem(i).Name;
            list.entries.push_back({list.texts.size(), {PickKind::MagicItem, {}, i, 0}});
        }
    }
    for (const SourceForm& form : kSources) {
        if (form.list != shown || shown == ShownList::None) continue;
        ForEachRef(table, form, [&](BaseRef ref) {
            form.listKey(table, ref.n, ref.v, list.texts);
            list.entries.push_back(
                {list.texts.size(), {PickKind::BaseItem, ref.source, ref.n, ref.v}});
        });
    }
    return list;
}

std::string_view WithoutTrailingBlanks(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

}  // namespace

std::vector<PickCandidate> PickCandidates(const CatalogTable& table, ShownList shown) {
    const EntryTexts list = EntryTextsOf(table, shown);
    std::vector<PickCandidate> candidates;
    candidates.reserve(list.entries.size());
    for (size_t k = 0; k < list.entries.size(); ++k) {
        candidates.push_back({std::string(list.Text(k)), list.entries[k].pick});
    }
    return candidates;
}

namespace {

// What a click picks on a line of the list, by the text the line starts
// with. The texts end at their last non-blank: 28 characters of a line,
// filled out with blanks, match an entry's text when they are the same text.
// A text longer than the 28 characters a click selects, or of nothing but
// blanks, picks nothing; of two entries with one text the later one wins.
class PicksByText {
public:
    explicit PicksByText(const EntryTexts& list) : list_(list) {
        byHash_.reserve(list.entries.size());
        for (size_t k = 0; k < list.entries.size(); ++k) {
            const std::string_view text = list.Text(k);
            if (text.size() > kPickedCharacters || WithoutTrailingBlanks(text).empty()) continue;
            byHash_.emplace_back(Hash(WithoutTrailingBlanks(text)), k);
        }
        std::sort(byHash_.begin(), byHash_.end());
    }

    const RowPick* Find(std::string_view lineStart) const {
        const std::string_view text = WithoutTrailingBlanks(lineStart);
        const size_t hash = Hash(text);
        auto at = std::lower_bound(byHash_.begin(), byHash_.end(), hash,
                                   [](const auto& entry, size_t h) { return entry.first < h; });
        const RowPick* pick = nullptr;
        for (; at != byHash_.end() && at->first == hash; ++at) {
            if (WithoutTrailingBlanks(list_.Text(at->second)) == text)
                pick = &list_.entries[at->second].pick;
        }
        return pick;
    }

private:
    static size_t Hash(std::string_view text) { return std::hash<std::string_view>()(text); }

    const EntryTexts& list_;
    std::vector<std::pair<size_t, size_t>> byHash_;  // (hash of the text, entry) in order
};

}  // namespace

void FinishCatalogList(const CatalogTable& table, Listing& listing) {
    listing.Format();
    const EntryTexts entries = EntryTextsOf(table, listing.shown);
    const PicksByText picks(entries);
    for (size_t i = 0; i < listing.lines.size(); ++i) {
        const RowPick* pick =
            picks.Find(std::string_view(listing.lines[i]).substr(0, kPickedCharacters));
        if (pick != nullptr) listing.rows[i].pick = *pick;
    }
}
