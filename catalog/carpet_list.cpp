// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/carpet.h"
#include "catalog/jewelry.h"

Listing ListCarpets(const CatalogTable& table) {
    Listing listing;
    listing.labels = PieceListLabels("Carpet");
    listing.lines.reserve(kCarpetCount);
    for (int n = 1; n <= kCarpetCount; ++n) {
        const TCarpetItemKest& carpet = CarpetAt(table, n);
        listing.lines.push_back(PieceListLine(carpet.Name, carpet.Price, carpet.Weight));
    }
    listing.returnToTop = true;
    listing.shown = ShownList::Carpets;
    return listing;
}
