// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/spell.h"

namespace {

struct ScrollPriceRow {
    int32_t iq;
    int32_t price;
};

// What a magic scroll sells for, by the IQ level of its spell.
// clang-format off
constexpr ScrollPriceRow kScrollPrices[] = {
    { 8,  300}, { 9,  350}, {10,  400}, {11,  475}, {12,  550}, {13,  625}, {14,  700},
    {15,  800}, {16,  900}, {17, 1000}, {18, 1100}, {19, 1250}, {20, 1500},
};
// clang-format on

}  // namespace

int32_t ScrollPriceForIQ(int32_t iq) {
    for (const ScrollPriceRow& row : kScrollPrices) {
        if (row.iq == iq) return row.price;
    }
    return 0;
}

TSpellsKest::TSpellsKest(int32_t number) {
    if (number >= 1 && number <= kSpellCount) {
        const SpellRow& row = kSpellRows[number - 1];
        Name = row.name;
        IQ = row.iq;
        KindCode = row.kind;
        STCost = row.stCost;
        STPerTurn = row.stPerTurn;
    }
    // Derived for every record, so a record without a row still has a bare binding's weight.
    IQCopy = IQ;
    BookPrice = 20 * IQ;
    BookWeight = IQ * 0.03 + 0.5;
    // A sixth of a week per IQ level; the sixth is kept in extended precision.
    Weeks = static_cast<double>(IQ * (1.0L / 6.0L));
    ScrollPrice = ScrollPriceForIQ(IQ);
}
