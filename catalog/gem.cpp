// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/gem.h"

TGemItemKest::TGemItemKest(int32_t index) {
    if (index < 1 || index > kGemCount) return;
    const GemRow& row = kGemRows[index - 1];
    Name = row.name;
    PricePerCarat = row.pricePerCarat;
    WeightPerCarat = kGemWeightPerCarat;
    Carats = 1;
    Price = PricePerCarat;
    Weight = WeightPerCarat;
}
