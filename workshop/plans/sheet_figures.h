// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "workshop/plans/sheet_text.h"

// A sheet copied where the decimal separator is "." reads back where it is
// ",", and the other way round. Finds the separator the pasted sheet was
// written with in the price and weeks of its lines ("." or ",", or the
// program's own; the one most of them use, as a sheet is written with one),
// and writes those figures again with the program's separator, so that each
// line compares with the line the program draws now. A price or weeks with a
// digit in it that is no number in the sheet's separator ("250,00x", or
// "0,07" in a sheet written with ".") leaves its line with the reason:
// "the price '250,00x' is not a number".
void ReadFiguresAsWritten(std::vector<PastedLine>& lines);
