// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/carpet.h"
#include "catalog/jewelry.h"

Listing ListCarpets(const CatalogTable& table) { return ListPieces(table, ShownList::Carpets); }
