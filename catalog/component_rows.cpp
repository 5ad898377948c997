// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/component.h"

// The ingredient merchant's stock: carvings, lenses, keys and locks to enchant,
// and the parts of beasts and plants that potions and magic items are made from.

// clang-format off
const ComponentRow kComponentRows[kComponentCount] = {
    // name                          price  weight
    {"Carving",                        125,     10},  // 1
    {"Common Ingrediant",                1,    0.2},  // 2
    {"Crystal lense",                 2000,   0.05},  // 3
    {"Crystal sphere",                 250,      2},  // 4
    {"1/20th 14-Hex Dragon skin",     1600,     15},  // 5
    {"Fresh Basilisk brain & eyes",    150,      3},  // 6
    {"Hand",                          1000,      7},  // 7
    {"Pickled Dragonet",               100,      6},  // 8
    {"Silver beads",                    55,   0.04},  // 9
    {"key",                             10,   0.07},  // 10
    {"Silver key",                     100,   0.05},  // 11
    {"lock",                            14,    0.5},  // 12
    {"Silver Lock",                    140,    0.5},  // 13
    {"Silver Slime, live",             150,     20},  // 14
    {"Snake's Backbone",                50,    0.6},  // 15
    {"Statue",                        1000,     65},  // 16
    {"Well Rotted Zombie Eye",          30,   0.04},  // 17
    {"Bottle good wine",                30,      1},  // 18
    {"Brain of one large feline",       40,      4},  // 19
    {"dried berserker mushroom",        10,   0.02},  // 20
    {"giant wasp",                      10,      3},  // 21
    {"bat",                            100,    0.5},  // 22
    {"Giant's hair",                    80,      6},  // 23
    {"Ambush leaves",                   80,      5},  // 24
    {"Sabertooth tusk",                 20,      3},  // 25
    {"Gargoyle gall bladder",           50,      2},  // 26
    {"tooth from Uncle Teeth",           5,    0.2},  // 27
    {"dragon dung",                     40,   0.02},  // 28
    {"Octopus eye",                     30,    0.7},  // 29
    {"fresh human eye",                 50,   0.04},  // 30
    {"prootwaddle hair",                17,    0.8},  // 31
    {"fresh human brain",              100,      4},  // 32
    {"liver of orc",                    30,      2},  // 33
    {"heart of bloodtree",              30,      3},  // 34
    {"brain of stone beetle",           20,      6},  // 35
    {"ambush twigs",                    20,      1},  // 36
    {"1/10th living red slime",        100,     45},  // 37
    {"wolf brain",                      40,      2},  // 38
    {"centuar hoof",                   100,    0.7},  // 39
    {"dragon claw",                     50,      2},  // 40
    {"elves toenails",                  33,      1},  // 41
    {"jewel dust",                      20,  0.001},  // 42
    {"living poisonous snake",          50,      2},  // 43
    {"dragon heart",                  2000,     26},  // 44
};
// clang-format on
