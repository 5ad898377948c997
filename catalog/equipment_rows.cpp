// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/equipment.h"

// The outfitter's list: kits, rope, tools, clothes, containers, the blanks a
// wizard writes on or carves, and the coins of the realm. Weeks is what an
// article counts for when it is the base of a magic item, roughly its cost
// over 150; rope and the unicorn horn count for nothing.

// clang-format off
const EquipmentRow kEquipmentRows[kEquipmentCount] = {
    // name                     cost  weight    weeks  notes
    {"labyrinth kit",             30,      3,     0.2,                 // 1
        "small pouch, 10m rope, grapnel, collapsible",
        "2m pole, flint & steel, hammer, 5 spikes"},
    {"small pouch",                5,    0.2,   0.033, "", ""},        // 2
    {"3m rope",                    1,   0.15,   0.006, "", ""},        // 3
    {"10m rope",                   2,    0.5,       0, "", ""},        // 4
    {"hooked grapnel",            10,      1,   0.066, "", ""},        // 5
    {"collapsible 2m pole",        5,      1,   0.033,                 // 6
        "Wood, very strong.  3 sections.", ""},
    {"flint & steel",              2,    0.1,   0.013, "", ""},        // 7
    {"hammer",                    13,   0.39,    0.02, "", ""},        // 8
    {"spike",                      1,    0.1,   0.006, "", ""},        // 9
    {"physicker's chest",         50,      2,   0.333,                 // 10
        "Necessary for a Physicker",
        "Usefull for a Master Physicker"},
    {"torch",                    0.5,    0.5,   0.003,                 // 11
        "Burns 1 hour.  Lights the bearer's hex.", ""},
    {"100m rope",                 20,      5,   0.133, "", ""},        // 12
    {"10m rope ladder",           50,      2,   0.333,                 // 13
        "with hooks at top", ""},
    {"crowbar",                   10,      2,   0.066,                 // 14
        "In combat, a club if ST 12+", ""},
    {"miner's pick",              20,      3,   0.133,                 // 15
        "In combat, a pick if ST 11+", ""},
    {"saddle & bridle",           60,     12,     0.4,                 // 16
        "Horse not included.", ""},
    {"cart",                     100,    100,   0.666,                 // 17
        "To be pulled by 1 or 2 horses or oxen.", ""},
    {"backpack",                  10,      1,   0.066, "", ""},        // 18
    {"rations",                    5,      2,   0.033,                 // 19
        "Dried food for one week.", ""},
    {"wizard's chest",          2500,      5,  16.666, "", ""},        // 20
    {"waterskin",                  3,    0.3,    0.02,                 // 21
        "Holds 2 liters; 2.3kg when full.", ""},
    {"Upper-class clothes",      200,      3,   1.333,                 // 22
        "Silk and velvet, fit for a noble", ""},
    {"middle-class clothes",      30,      2,     0.2,                 // 23
        "Good wool, fit for a merchant", ""},
    {"lower-class clothes",        5,      2,   0.033,                 // 24
        "Homespun, fit for a peasant", ""},
    {"lantern",                   20,      1,   0.133,                 // 25
        "Burns 2 hours on oil from 1 molotail.", ""},
    {"painting",                 300,      4,       2,                 // 26
        "Oil on canvas, framed, 1m across", ""},
    {"quill",                    0.5,   0.01,   0.003, "", ""},        // 27
    {"unicorn horn",            6500,      0,       0, "", ""},        // 28
    {"drinking vessel",            2,   0.15,   0.013, "", ""},        // 29
    {"rod",                       50,      1,   0.333, "", ""},        // 30
    {"carved stone",              40,      3,   0.266, "", ""},        // 31
    {"parchment",                  1,   0.01,   0.006, "", ""},        // 32
    {"blank scroll",               5,    0.1,   0.033, "", ""},        // 33
    {"blank book",                40,    1.5,   0.266, "", ""},        // 34
    {"banner",                    80,      1,     0.5, "", ""},        // 35
    {"travois",                   15,      8,     0.1,                 // 36
        "Dragged by 1 horse or a man of ST 14+", ""},
    {"glove",                      5,    0.1,   0.033,                 // 37
        "Leather; no protection in combat", ""},
    {"gauntlet",                 225,    0.5,     1.5,                 // 38
        "stops 4 points of damage to hands", ""},
    {"vine",                     0.1,    0.2,  0.0006, "", ""},        // 39
    {"necktie",                    7,  0.008,   0.046, "", ""},        // 40
    {"amulet",                   150,   0.05,       1, "", ""},        // 41
    {"mask",                      15,    0.3,     0.1, "", ""},        // 42
    {"helmit",                   112,      1,    0.75, "", ""},        // 43
    {"vial",                       3,   0.05,    0.02, "", ""},        // 44
    {"wand",                      30,    0.2,     0.2, "", ""},        // 45
    {"cloak",                     20,    1.5,   0.133, "", ""},        // 46
    {"boots",                     25,    1.5,   0.166, "", ""},        // 47
    {"brass peice",             0.01,  0.005,  0.0006, "", ""},        // 48
    {"copper peice",             0.1,  0.005,  0.0006, "", ""},        // 49
    {"silver peice",               1,  0.005,  0.0006, "", ""},        // 50
    {"gold peice",                10,  0.005,  0.0006, "", ""},        // 51
    {"mithril peice",            100,  0.005,  0.0006, "", ""},        // 52
};
// clang-format on
