// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/jewelry.h"

// The plain pieces of jewelry and tableware, by place number. Place 20 holds
// no piece but keeps its number, as the random treasure counts by place.

// clang-format off
const JewelryRow kJewelryRows[kJewelryCount] = {
    // name           cost ($)  weight (kg)  place
    {"anklet",          10,     0.02},    //  1
    {"belt",            30,     0.05},    //  2
    {"box",            100,     4   },    //  3
    {"bracelet",         5,     0.02},    //  4
    {"brooch",           5,     0.02},    //  5
    {"buckle",           5,     0.03},    //  6
    {"chain",           20,     0.04},    //  7
    {"chalice",         40,     1   },    //  8
    {"collar",          15,     0.04},    //  9
    {"comb",             3,     0.2 },    // 10
    {"coronet",          7,     0.05},    // 11
    {"cup",             20,     1   },    // 12
    {"decanter",        30,     2   },    // 13
    {"earring",          2,     0.01},    // 14
    {"goblet",          30,     1   },    // 15
    {"headband",        10,     0.01},    // 16
    {"locket",           5,     0.02},    // 17
    {"medallion",        5,     0.03},    // 18
    {"mirror",          35,     0.01},    // 19
    {nullptr,            0,     0   },    // 20: no piece
    {"neckband",        10,     0.01},    // 21
    {"necklace",        10,     0.01},    // 22
    {"pendant",          7,     0.02},    // 23
    {"orb",            500,     3   },    // 24
    {"ring",             3,     0.01},    // 25
    {"sceptre",         60,     2   },    // 26
    {"seal",            30,     0.05},    // 27
    {"statuette",      300,     3   },    // 28
    {"tankard",        100,     1   },    // 29
    {"tiara",            7,     0.2 },    // 30
    {"candelabra",      25,     1   },    // 31
    {"pin",              5,     0.01},    // 32
    {"fork",             3,     0.05},    // 33
    {"spoon",            3,     0.05},    // 34
    {"knife",            4,     0.05},    // 35
    {"chopstick",        2,     0.02},    // 36
};
// clang-format on
