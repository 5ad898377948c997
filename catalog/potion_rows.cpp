// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/potion.h"

// The mushrooms a forager brings in; any of them counts for about a day's
// work as the base of a magic item.

// clang-format off
const AlchemyRow kMushroomRows[kMushroomCount] = {
    // name               price  weight  weeks
    {"edible",                5,    0.5,  0.14},  // 1
    {"hallucinogenic",       20,   0.02,  0.14},  // 2
    {"poison gas",           50,    0.2,  0.14},  // 3
    {"explosive",            60,    0.3,  0.14},  // 4
    {"berserk",              10,   0.03,  0.14},  // 5
};

// Living slimes, kept in a 40 kg tub; the silver kind is the rare one.
const AlchemyRow kSlimeRows[kSlimeCount] = {
    // name               price  weight  weeks
    {"green",                50,     40,     1},  // 1
    {"red",                  50,     40,     1},  // 2
    {"brown",                50,     40,     1},  // 3
    {"silver",              150,     40,     1},  // 4
};

// Every potion is one 50-gram dose; the notes name what it is brewed from and
// what that costs.
const PotionRow kPotionRows[kPotionCount] = {
    // name                  price weight  weeks  notes
    {"acute hearing",          250,  0.05,     2, {"brain of one large feline $40", "", ""}},
    {"berserker",              200,  0.05,     2, {"6 dired berserker mushrooms $10 each", "", ""}},
    {"contact poison",        2500,  0.05,     8, {"6 doses weapon poison", "", ""}},
    {"corrosive poison",       500,  0.05,     5, {"9 giant wasps $10 each", "", ""}},
    {"dark vision",            500,  0.05,     3, {"30 bats $10 each", "", ""}},
    {"DX-",                     80,  0.05,     1, {"all hair average giant has $80", "", ""}},
    {"DX+",                    600,  0.05,     5, {"5kg ambush leaves $80", "", ""}},
    {"fear",                   150,  0.05,     2, {"Sabbertooth tusk $20", "", ""}},
    {"fireproofing",           250,  0.05,     2, {"gargoyle gall bladder $50", "", ""}},
    {"fish poison",            250,  0.05,     4, {"5 teeth from uncle teeth $5 each", "", ""}},
    {"flight",                1200,  0.05,     6, {"5 bats $10 each", "", ""}},
    {"gunpowder",              100,  0.05,     1, {"20g dragon dung $40", "", ""}},
    {"healing",                150,  0.05,     1, {"", "", ""}},
    {"insect poison",          150,  0.05,     2, {"octopus eye $30", "", ""}},
    {"invisibility",          1500,  0.05,     8, {"2 fresh human eyes $100", "", ""}},
    {"IQ-",                    200,  0.05,     2, {"3 prootwaddles hair $50", "", ""}},
    {"IQ+",                    600,  0.05,     6, {"fresh human brain $100", "", ""}},
    {"mamal poison",           250,  0.05,     3, {"liver of orc $30", "", ""}},
    {"plant poison",           200,  0.05,     1, {"hearts of 3 bloodtrees $30 each", "", ""}},
    {"pyrotic",                500,  0.05,     4, {"100g dragon dung $200", "", ""}},
    {"reptile poison",         100,  0.05,     1, {"brain of stone beetle $20", "", ""}},
    {"revival",              65000,  0.05,    20,
        {"4 dose universal antidote", "20 dose ST+", "1 dose IQ+"}},
    {"simple poison",          120,  0.05,     2, {"1kg ambush twigs $20", "", ""}},
    {"sleep",                  150,  0.05,     2, {"", "", ""}},
    {"slime poison",            50,  0.05,     1, {"1/10th living red slime $10", "", ""}},
    {"smell boster",           200,  0.05,     3, {"wolf brain $40", "", ""}},
    {"speed movement",        1000,  0.05,     2, {"2 centaur hooves $100 each", "", ""}},
    {"ST-",                    100,  0.05,     1, {"", "", ""}},
    {"ST+",                    450,  0.05,     5, {"2 gargolye gall bladders $50 each", "", ""}},
    {"telekenisis",            500,  0.05,     4, {"5kg elves toenails $33 per kg", "", ""}},
    {"telepathy",             1500,  0.05,     9, {"hymenopteran $150", "", ""}},
    {"treasure smelling",      250,  0.05,     2, {"7g jewel dust $140", "", ""}},
    {"water breathing",        500,  0.05,     4, {"3 octopus eyes $50", "", ""}},
    {"weapon poison",          200,  0.05,     2, {"living poisonous snake $50", "", ""}},
    {"universal antidote",    2500,  0.05,    10, {"5 simple poison", "", ""}},
    {"universal solvent",     2000,  0.05,     8,
        {"50g dragon dung $100", "20g jewel dust $400", ""}},
    {"youth",                40000,  0.05,    20, {"4 dragon hearts $2000 each", "", ""}},
};
// clang-format on
