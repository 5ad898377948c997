// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/fauna.h"

// The kinds of people, creatures and plants, kind n at kFaunaRows[n - 1], each
// with its variants in order. The columns of a variant:
//   name, ST, DX, IQ, MA, flying MA, swimming MA, extra points, hexes, weight (kg),
//   and the parts that serve as ingredients, as the list prints them.
// A kind whose variants differ only in name gives each the same numbers; the
// price is never written here, it follows from the attributes.

// clang-format off
const FaunaKindRow kFaunaRows[kFaunaCount] = {
    {"human", "humans", {  // 1
        {"black",           8, 8, 8, 10, 0, 2, 8, 1, 70, "hand, hand, eye, eye, brain"},
        {"white",           8, 8, 8, 10, 0, 2, 8, 1, 70, "hand, hand, eye, eye, brain"},
        {"yellow",          8, 8, 8, 10, 0, 2, 8, 1, 70, "hand, hand, eye, eye, brain"},
        {"orange",          8, 8, 8, 10, 0, 2, 8, 1, 70, "hand, hand, eye, eye, brain"},
        {"red",             8, 8, 8, 10, 0, 2, 8, 1, 70, "hand, hand, eye, eye, brain"},
        {"hairy",           8, 8, 8, 10, 0, 2, 8, 1, 70, "hand, hand, eye, eye, brain"},
        {"bald",            8, 8, 8, 10, 0, 2, 8, 1, 70, "hand, hand, eye, eye, brain"},
        {"peacefull",       8, 8, 8, 10, 0, 2, 8, 1, 70, "hand, hand, eye, eye, brain"},
        {"warlike",         8, 8, 8, 10, 0, 2, 8, 1, 70, "hand, hand, eye, eye, brain"},
        {"city-bred",       8, 8, 8, 10, 0, 2, 8, 1, 70, "hand, hand, eye, eye, brain"},
        {"wandering",       8, 8, 8, 10, 0, 2, 8, 1, 70, "hand, hand, eye, eye, brain"},
        {"amazon",          8, 8, 8, 10, 0, 2, 8, 1, 70, "hand, hand, eye, eye, brain"},
        {"male-chauvinist", 8, 8, 8, 10, 0, 2, 8, 1, 70, "hand, hand, eye, eye, brain"},
        {"good",            8, 8, 8, 10, 0, 2, 8, 1, 70, "hand, hand, eye, eye, brain"},
        {"evil",            8, 8, 8, 10, 0, 2, 8, 1, 70, "hand, hand, eye, eye, brain"},
        {"practical",       8, 8, 8, 10, 0, 2, 8, 1, 70, "hand, hand, eye, eye, brain"},
        {"mad",             8, 8, 8, 10, 0, 2, 8, 1, 70, "hand, hand, eye, eye, brain"},
    }},
    {"orc", "orcs", {  // 2
        {"city",         9, 8, 7, 10, 0, 2, 8, 1, 75, "liver"},
        {"village",      9, 8, 7, 10, 0, 2, 8, 1, 75, "liver"},
        {"kingdom",      9, 8, 7, 10, 0, 2, 8, 1, 75, "liver"},
        {"mountain hut", 9, 8, 7, 10, 0, 2, 8, 1, 75, "liver"},
    }},
    {"elf", "elves", {  // 3
        {"forest city",   6, 10, 8, 12, 0, 2, 8, 1, 55, "toenails"},
        {"mountain peak", 6, 10, 8, 12, 0, 2, 8, 1, 55, "toenails"},
        {"deep",          6, 10, 8, 12, 0, 2, 8, 1, 55, "toenails"},
    }},
    {"dwarf", "dwarves", {  // 4
        {"underground city", 10, 6, 8, 10, 0, 1, 8, 1, 80, ""},
        {"elsewhere",        10, 6, 8, 10, 0, 1, 8, 1, 80, ""},
        {"gnome",            10, 6, 8, 10, 0, 1, 8, 1, 80, ""},
    }},
    {"goblin", "goblins", {  // 5
        {"out-of-the-way city", 6, 8, 6, 10, 0, 2, 8, 1, 45, ""},
        {"merchant",            6, 8, 6, 10, 0, 2, 8, 1, 45, ""},
    }},
    {"hobgoblin", "hobgoblins", {  // 6
        {"goblins' servant", 6, 6, 6, 10, 0, 2, 8, 1, 40, ""},
        {"masterless",       6, 6, 6, 10, 0, 2, 8, 1, 40, ""},
    }},
    {"halfling", "halflings", {  // 7
        {"peacefull",     4, 12, 8, 10, 0, 2, 8, 1, 35, ""},
        {"adventuring",   4, 12, 8, 10, 0, 2, 8, 1, 35, ""},
        {"city-dwelling", 4, 12, 8, 10, 0, 2, 8, 1, 35, ""},
    }},
    {"prootwaddle", "prootwaddles", {  // 8
        {"hunter gather",  5, 10, 6, 10, 0, 2, 6, 1, 30, "hair"},
        {"forest village", 5, 10, 6, 10, 0, 2, 6, 1, 30, "hair"},
        {"alley sleeping", 5, 10, 6, 10, 0, 2, 6, 1, 30, "hair"},
    }},
    {"centaur", "centaurs", {  // 9
        {"elves' forester", 16, 10, 8, 16, 0, 2, 2, 3, 600, "hooves"},
        {"plains",          16, 10, 8, 16, 0, 2, 2, 3, 600, "hooves"},
    }},
    {"giant", "giants", {  // 10
        {"peacefull farmer", 30, 9, 8, 10, 0, 2, 0, 3, 500, "hair"},
        {"outcast",          30, 9, 8, 10, 0, 2, 0, 3, 500, "hair"},
    }},
    {"gargoyle", "gargoyles", {  // 11
        {"mountainous tribe", 20, 11, 8, 8, 16, 0, 0, 1, 300, "gall bladder"},
        {"ruin inhabiting",   20, 11, 8, 8, 16, 0, 0, 1, 300, "gall bladder"},
    }},
    {"reptile man", "reptile men", {  // 12
        {"uncommon",      15, 11, 8, 10, 0, 8, 0, 1, 110, ""},
        {"rare employed", 15, 11, 8, 10, 0, 8, 0, 1, 110, ""},
    }},
    {"merman", "mermen", {  // 13
        {"body of water", 8, 10, 8, 2, 0, 14, 6, 1, 80, ""},
    }},
    {"half-breed", "half-breeds", {  // 14
        {"man orc",           9,  8, 8, 10, 0,  2, 7, 1,  72, "brain, liver, hand, eye, hand"},
        {"man elf",           7,  9, 8, 11, 0,  2, 8, 1,  62, "brain, toenails, hand, eye, hand"},
        {"man dwarf",         9,  7, 8, 10, 0,  1, 8, 1,  75, "brain, hand, eye, hand, eye"},
        {"man halfling",      6, 10, 8, 10, 0,  2, 8, 1,  52, "brain, eye, eye, hand, hand"},
        {"orc elf",           8,  9, 7, 11, 0,  2, 8, 1,  65, "liver, toenails"},
        {"orc dwarf",        10,  7, 7, 10, 0,  1, 8, 1,  78, "liver"},
        {"orc halfling",      7, 10, 7, 10, 0,  2, 8, 1,  55, "liver"},
        {"elf dwarf",         8,  8, 8, 11, 0,  1, 8, 1,  68, "toenails"},
        {"elf halfling",      5, 11, 8, 11, 0,  2, 8, 1,  45, "toenails"},
        {"man merman",        8,  9, 8,  6, 0, 10, 7, 1,  75, "brain, hand, hand, eye, eye"},
        {"man giant",        18,  8, 8, 10, 0,  2, 2, 2, 200, "brain, hair, eye, eye, hand"},
        {"orc giant",        20,  8, 7, 10, 0,  2, 2, 2, 220, "liver, hair"},
        {"goblin hobgoblin",  6,  7, 6, 10, 0,  2, 8, 1,  42, ""},
    }},
    {"dragon", "dragons", {  // 15
        {"1-hex",   30, 13, 12, 6, 16, 2, 0,  1,   300, "heart, dung"},
        {"2-hex",   40, 13, 14, 6, 18, 2, 0,  2,   800, "heart, dung"},
        {"4-hex",   60, 14, 18, 6, 20, 2, 0,  4,  2500, "heart, dung"},
        {"7-hex",   80, 14, 20, 8, 22, 2, 0,  7,  5000, "heart, dung"},
        {"14-hex", 100, 14, 24, 8, 24, 2, 0, 14, 10000, "heart, skin, dung"},
    }},
    {"demon", "demons", {  // 16
        {"hero",   100, 14, 20, 666, 0, 666, 0, 3, 900, ""},
        {"wizard", 100, 14, 20, 666, 0, 666, 0, 3, 900, ""},
    }},
    {"lesser demon", "lesser demons", {  // 17
        {"hero",   40, 13, 12, 12, 0, 12, 0, 1, 250, ""},
        {"wizard", 40, 13, 12, 12, 0, 12, 0, 1, 250, ""},
    }},
    {"wyvern", "wyverns", {  // 18
        {"hero",         40, 13, 6, 6, 20, 0, 0, 3, 900, ""},
        {"magic owning", 40, 13, 6, 6, 20, 0, 0, 3, 900, ""},
    }},
    {"wraith", "wraiths", {  // 19
        {"hero",   14, 12, 10, 10, 0, 0, 0, 1, 60, ""},
        {"wizard", 14, 12, 10, 10, 0, 0, 0, 1, 60, ""},
        {"ally",   14, 12, 10, 10, 0, 0, 0, 1, 60, ""},
    }},
    {"troll", "trolls", {  // 20
        {"single", 30, 11, 7, 10, 0, 2, 0, 2, 400, ""},
        {"paired", 30, 11, 7, 10, 0, 2, 0, 2, 400, ""},
    }},
    {"octopus", "octopi", {  // 21
        {"lone underwater",  12, 12, 5, 2, 0, 12, 0, 2, 60, "eye, eye"},
        {"mated underwater", 12, 12, 5, 2, 0, 12, 0, 2, 60, "eye, eye"},
        {"lone swamp",       12, 12, 5, 2, 0, 12, 0, 2, 60, "eye, eye"},
        {"mated swamp",      12, 12, 5, 2, 0, 12, 0, 2, 60, "eye, eye"},
    }},
    {"neanderthal", "neanderthals", {  // 22
        {"small village", 16, 10, 7, 10, 0, 2, 0, 1, 128, ""},
        {"dwarven slave", 16, 10, 7, 10, 0, 2, 0, 1, 128, ""},
    }},
    {"ogre", "ogres", {  // 23
        {"lone",        25, 9, 6, 10, 0, 2, 0, 2, 350, ""},
        {"small group", 25, 9, 6, 10, 0, 2, 0, 2, 350, ""},
    }},
    {"disease", "diseased", {  // 24
        {"vampire",                    14,  8, 8,  8, 10,  2, 8, 1,   70, ""},
        {"were-neanderthal (man)",     16, 10, 8, 10,  0,  2, 8, 1,  128, ""},
        {"were-ape (orc)",             18, 11, 7, 10,  0,  2, 8, 1,  150, ""},
        {"were-sasquatch (elf)",       22, 11, 8, 12,  0,  2, 8, 2,  250, ""},
        {"were-troll (dwarf)",         30,  9, 8, 10,  0,  1, 8, 2,  400, ""},
        {"were-wolf (goblin)",         12, 14, 6, 16,  0,  2, 8, 1,   60, ""},
        {"were-dire wolf (hobgob)",    18, 14, 6, 14,  0,  2, 8, 2,  120, ""},
        {"were-dog (halfling)",         8, 13, 8, 14,  0,  2, 8, 1,   30, ""},
        {"were-lemming (prootwaddle)",  2, 12, 6, 10,  0,  4, 6, 1,  0.3, ""},
        {"were-indri (centaur)",       10, 14, 8, 12,  0,  0, 2, 1,   40, ""},
        {"were-ogre (giant)",          30,  9, 8, 10,  0,  2, 0, 2,  380, ""},
        {"were-wyvern (gargoyle)",     40, 13, 8,  6, 20,  0, 0, 3,  900, ""},
        {"were-saurian (reptile man)", 28, 10, 8, 10,  0,  6, 0, 3, 1200, ""},
        {"were-shark (merman)",        20, 14, 8,  0,  0, 18, 6, 2,  300, ""},
    }},
    {"ghoul", "ghouls", {  // 25
        {"small group", 12, 10, 6, 10, 0, 2, 0, 1, 60, ""},
    }},
    {"shadowight", "shadowights", {  // 26
        {"dim tunnel",  10, 13, 9, 12, 0, 0, 0, 1, 20, ""},
        {"underground", 10, 13, 9, 12, 0, 0, 0, 1, 20, ""},
    }},
    {"hydra", "", {  // 27
        {"small 4-hex",  40, 12, 4, 6, 0, 6, 0, 4, 2000, ""},
        {"larger 7-hex", 70, 12, 4, 6, 0, 6, 0, 7, 4000, ""},
    }},
    {"basilisk", "", {  // 28
        {"obnoxious", 12, 11, 5, 8, 0, 0, 0, 1, 30, "brain & eyes"},
        {"ally",      12, 11, 5, 8, 0, 0, 0, 1, 30, "brain & eyes"},
    }},
    {"ghost", "ghosts", {  // 29
        {"revenge", 0, 0, 10, 10, 10, 10, 0, 1, 0, ""},
        {"love",    0, 0, 10, 10, 10, 10, 0, 1, 0, ""},
        {"lust",    0, 0, 10, 10, 10, 10, 0, 1, 0, ""},
        {"greed",   0, 0, 10, 10, 10, 10, 0, 1, 0, ""},
    }},
    {"wight", "wights", {  // 30
        {"proud combative", 16, 11, 9, 10, 0, 0, 0, 1, 65, ""},
        {"oath",            16, 11, 9, 10, 0, 0, 0, 1, 65, ""},
        {"geas",            16, 11, 9, 10, 0, 0, 0, 1, 65, ""},
    }},
    {"night gaunt", "night gaunts", {  // 31
        {"human evil",     14, 14, 8, 8, 18, 0, 0, 1, 50, ""},
        {"beastly evil",   14, 14, 8, 8, 18, 0, 0, 1, 50, ""},
        {"monstrous evil", 14, 14, 8, 8, 18, 0, 0, 1, 50, ""},
    }},
    {"revenant", "revenants", {  // 32
        {"slain PC",       14, 9, 8, 10, 0, 0, 4, 1, 70, ""},
        {"lord of castle", 14, 9, 8, 10, 0, 0, 4, 1, 70, ""},
        {"miser",          14, 9, 8, 10, 0, 0, 4, 1, 70, ""},
    }},
    {"mnoren", "mnoren", {  // 33
        {"Jed",            14, 14, 30, 10, 0, 2, 10, 1, 70, ""},
        {"child",          14, 14, 30, 10, 0, 2, 10, 1, 70, ""},
        {"grand child",    14, 14, 30, 10, 0, 2, 10, 1, 70, ""},
        {"lone traveling", 14, 14, 30, 10, 0, 2, 10, 1, 70, ""},
        {"observer",       14, 14, 30, 10, 0, 2, 10, 1, 70, ""},
    }},
    {"god", "gods", {  // 34
        {"demi", 42, 10, 6, 10, 0, 2, -8, 6, 1764, ""},
    }},
    {"apotheos", "apotheosi", {  // 35
        {"returned PC",       24, 16, 16, 12, 0, 2, 8, 1, 90, ""},
        {"righter of wrongs", 24, 16, 16, 12, 0, 2, 8, 1, 90, ""},
        {"defender of weak",  24, 16, 16, 12, 0, 2, 8, 1, 90, ""},
        {"deus ex machina",   24, 16, 16, 12, 0, 2, 8, 1, 90, ""},
    }},
    {"elemental", "deep cavern", {  // 36
        {"high mountain",     60,  8, 6,  6,  0,  0, 0, 4,  8000, ""},
        {"deep metal",        80,  8, 6,  4,  0,  0, 0, 4, 12000, ""},
        {"dark forest earth", 40,  9, 6,  6,  0,  0, 0, 3,  5000, ""},
        {"hard wind",         20, 16, 6,  0, 20,  0, 0, 3,     0, ""},
        {"whirlwind",         30, 18, 6,  0, 24,  0, 0, 3,     0, ""},
        {"high atmosphere",   16, 14, 7,  0, 30,  0, 0, 7,     0, ""},
        {"wind storm",        40, 14, 6,  0, 24,  0, 0, 7,     0, ""},
        {"windy canyon",      24, 16, 6,  0, 20,  0, 0, 4,     0, ""},
        {"mountain wind",     20, 15, 6,  0, 22,  0, 0, 3,     0, ""},
        {"volcano",           60, 12, 6,  8,  0,  0, 0, 7,     0, ""},
        {"natural-gas fire",  24, 14, 5, 10,  0,  0, 0, 2,     0, ""},
        {"furnace",           30, 12, 6,  8,  0,  0, 0, 3,     0, ""},
        {"old fireplace",     12, 10, 5,  6,  0,  0, 0, 1,     0, ""},
        {"running water",     30, 14, 6,  8,  0, 20, 0, 3,  3000, ""},
        {"deep lake",         50, 10, 6,  4,  0, 16, 0, 7,  7000, ""},
        {"magic rainstorm",   24, 13, 7,  0, 16, 16, 0, 4,  2000, ""},
    }},
    {"apep", "apopos", {  // 37
        {"egyptian", 80, 14, 10, 8, 0, 10, 0, 7, 3000, "backbone"},
    }},
    {"zombie", "zombies", {  // 38
        {"controled", 0, -2, 0, 10, 0, 2, 0, 1, 70, "eye, eye"},
        {"mindless",  0, -2, 0, 10, 0, 2, 0, 1, 70, "eye, eye"},
    }},
    {"skeleton", "skeletons", {  // 39
        {"controled", 8, 10, 0, 10, 0, 0, 0, 1, 15, ""},
        {"mindless",  8, 10, 0, 10, 0, 0, 0, 1, 15, ""},
    }},
    {"horse", "horses", {  // 40
        {"nag",        14, 11, 5, 20,  0, 2, 0, 2, 500, ""},
        {"riding",     20, 12, 5, 24,  0, 2, 0, 2, 500, ""},
        {"mustang",    18, 13, 5, 26,  0, 2, 0, 2, 420, ""},
        {"pony",       12, 11, 5, 18,  0, 2, 0, 2, 250, ""},
        {"clydesdale", 30, 10, 5, 18,  0, 2, 0, 2, 900, ""},
        {"percheron",  28, 10, 5, 18,  0, 2, 0, 2, 850, ""},
        {"donkey",     14, 10, 5, 14,  0, 2, 0, 2, 250, ""},
        {"mule",       18, 10, 5, 16,  0, 2, 0, 2, 400, ""},
        {"unicorn",    20, 14, 5, 21,  0, 2, 0, 2, 450, "horn"},
        {"pegasus",    22, 13, 6, 22, 30, 2, 0, 2, 500, ""},
    }},
    {"warhorse", "warhorses", {  // 41
        {"trained", 30, 12, 6, 24, 0, 2, 0, 2, 700, ""},
    }},
    {"mamal", "mamals", {  // 42
        {"idricotherium", 90,  8, 5, 14, 0, 2, 0, 7, 15000, ""},
        {"elephant",      70,  9, 6, 12, 0, 4, 0, 4,  5000, ""},
        {"mammoth",       80,  8, 5, 12, 0, 2, 0, 4,  6000, ""},
        {"oxen",          30,  8, 4,  8, 0, 2, 0, 2,   800, ""},
        {"yak",           28,  9, 4, 10, 0, 2, 0, 2,   700, ""},
        {"carabao",       30,  8, 4,  8, 0, 6, 0, 2,   700, ""},
        {"water buffalo", 34,  9, 4, 10, 0, 6, 0, 2,  1000, ""},
        {"camel",         26, 10, 4, 16, 0, 2, 0, 2,   600, ""},
    }},
    {"lizard", "lizards", {  // 43
        {"riding",  20, 11, 4, 16, 0, 4, 0, 2,  400, ""},
        {"saurian", 40, 10, 4, 12, 0, 4, 0, 3, 2000, ""},
        {"walker",  24, 12, 4, 20, 0, 2, 0, 2,  500, ""},
    }},
    {"bird", "birds", {  // 44
        {"diatryma", 18, 13, 3, 18,  0, 2, 0, 1,  200, ""},
        {"roc",      60, 12, 5,  4, 30, 0, 0, 7, 3000, ""},
    }},
    {"gryphon", "", {  // 45
        {"rare and solitary", 30, 14, 6, 12, 24, 0, 0, 3, 600, ""},
    }},
    {"dolphin", "dolphins", {  // 46
        {"partnership", 14, 14, 8, 0, 0, 24, 0, 2, 150, ""},
    }},
    {"mount", "mounts", {  // 47
        {"dire wolf",   20, 14, 6, 14, 0, 2, 0, 2, 130, ""},
        {"lion",        24, 14, 5, 12, 0, 2, 0, 2, 200, ""},
        {"uncle teeth", 28, 12, 6, 10, 0, 2, 0, 2, 400, ""},
    }},
    {"draft animal", "draft animals", {  // 48
        {"horse",       30,  9, 5, 16,  0, 2, 0, 2,  800, ""},
        {"saurian",     45,  9, 4, 10,  0, 4, 0, 3, 2500, ""},
        {"roc",         60, 11, 6,  4, 28, 0, 0, 7, 3000, ""},
        {"travois dog", 10, 12, 5, 14,  0, 2, 0, 1,   40, ""},
    }},
    {"dog", "dogs", {  // 49
        {"wolf",      10, 14, 5, 16, 0, 2, 0, 1,  45, "brain"},
        {"dire wolf", 18, 14, 6, 14, 0, 2, 0, 2, 120, "brain"},
        {"shepherd",   9, 13, 6, 14, 0, 2, 0, 1,  35, ""},
        {"wolfhound", 12, 13, 5, 16, 0, 2, 0, 1,  55, ""},
        {"hunting",    8, 13, 5, 16, 0, 2, 0, 1,  30, ""},
        {"watch",     10, 12, 5, 14, 0, 2, 0, 1,  40, ""},
    }},
    {"bear", "bears", {  // 50
        {"cave",     40, 11, 5,  8, 0, 4, 0, 2, 600, ""},
        {"kodiak",   36, 11, 5,  8, 0, 6, 0, 2, 700, ""},
        {"grizzly",  32, 11, 5, 10, 0, 4, 0, 2, 400, ""},
        {"black",    22, 11, 5, 10, 0, 4, 0, 1, 200, ""},
        {"cinnamon", 20, 11, 5, 10, 0, 4, 0, 1, 150, ""},
    }},
    {"large feline", "large felines", {  // 51
        {"lion",       24, 14, 5, 12, 0, 2, 0, 2, 190, "brain"},
        {"tiger",      28, 14, 5, 12, 0, 6, 0, 2, 250, "brain"},
        {"sabertooth", 32, 13, 5, 10, 0, 2, 0, 2, 350, "brain, tusk"},
        {"jaguar",     18, 15, 5, 14, 0, 6, 0, 1, 100, "brain"},
    }},
    {"little cat", "little cats", {  // 52
        {"", 4, 14, 5, 14, 0, 2, 0, 1, 16, ""},
    }},
    {"ape", "apes", {  // 53
        {"small band great",       20, 11, 6, 10, 0, 0, 0, 1, 180, ""},
        {"cave great",             24, 11, 6, 10, 0, 0, 0, 2, 220, ""},
        {"tunnel great",           22, 12, 6, 10, 0, 0, 0, 1, 200, ""},
        {"large group baboon",      8, 13, 5, 12, 0, 0, 0, 1,  30, ""},
        {"small group chimpanzee", 12, 13, 6, 10, 0, 0, 0, 1,  55, ""},
        {"monkey",                  3, 15, 5, 12, 0, 0, 0, 1,   8, ""},
    }},
    {"slinker", "slinkers", {  // 54
        {"forest",      12, 13, 6, 12, 0, 2, 0, 1, 50, ""},
        {"underground", 12, 13, 6, 12, 0, 2, 0, 1, 50, ""},
    }},
    {"dragonet", "dragonets", {  // 55
        {"group",   6, 14, 6, 4, 16, 2, 0, 1, 10, ""},
        {"trained", 6, 14, 6, 4, 16, 2, 0, 1, 10, ""},
    }},
    {"stone beetle", "stone beetles", {  // 56
        {"lone",        16, 10, 2, 6, 0, 0, 0, 1, 80, "brain"},
        {"small group", 16, 10, 2, 6, 0, 0, 0, 1, 80, "brain"},
        {"ambush",      16, 10, 2, 6, 0, 0, 0, 1, 80, "brain"},
        {"hole living", 16, 10, 2, 6, 0, 0, 0, 1, 80, "brain"},
    }},
    {"giant spider", "giant spiders", {  // 57
        {"web", 18, 14, 4, 10, 0, 0, 0, 2, 150, ""},
    }},
    {"giant scorpion", "giant scorpions", {  // 58
        {"solo", 24, 12, 3, 10, 0, 0, 0, 2, 250, ""},
    }},
    {"hymenopteran", "hymenopterans", {  // 59
        {"basic",      12, 12, 6, 10,  0, 0, 0, 1,  60, ""},
        {"spyder",     10, 14, 6, 12,  0, 0, 0, 1,  50, ""},
        {"low render", 20, 11, 5,  8,  0, 0, 0, 1, 120, ""},
        {"termagant",  16, 13, 6, 10,  0, 0, 0, 1,  90, ""},
        {"phlanxe",    22, 10, 5,  8,  0, 0, 0, 2, 200, ""},
        {"gantua",     40,  9, 5,  8,  0, 0, 0, 3, 600, ""},
        {"myrmidon",   16, 14, 7, 12,  0, 0, 0, 1,  90, ""},
        {"plunge",     10, 12, 4,  6, 20, 0, 0, 1,  40, ""},
        {"worker",     10,  9, 4, 10,  0, 0, 0, 1,  45, ""},
    }},
    {"snake", "snakes", {  // 60
        {"rattlesnake",        4, 13, 2, 6, 0, 4, 0, 1,   3, ""},
        {"spitting cobra",     6, 14, 2, 6, 0, 4, 0, 1,   6, ""},
        {"small",              2, 12, 1, 4, 0, 4, 0, 1,   1, ""},
        {"large",             10, 12, 2, 6, 0, 6, 0, 1,  20, ""},
        {"giant constrictor", 25, 12, 2, 6, 0, 8, 0, 3, 150, ""},
        {"monster",           50, 11, 3, 6, 0, 8, 0, 7, 800, ""},
    }},
    {"lizard", "lizards", {  // 61
        {"big",      14, 12, 2, 10, 0, 4, 0, 1,   80, ""},
        {"dinosaur", 80, 10, 3, 12, 0, 4, 0, 7, 8000, ""},
    }},
    {"goo", "goo", {  // 62
        {"1-hex",  666, 0, 1, 4, 0, 2, 0, 1,  4000, ""},
        {"2-hex", 1332, 0, 1, 4, 0, 2, 0, 2,  8000, ""},
        {"3-hex", 1998, 0, 1, 4, 0, 2, 0, 3, 12000, ""},
        {"4-hex", 2664, 0, 1, 4, 0, 2, 0, 4, 16000, ""},
        {"7-hex", 4662, 0, 1, 4, 0, 2, 0, 7, 28000, ""},
    }},
    {"fish", "fish", {  // 63
        {"shark",   24, 13, 4, 0, 0, 22, 0, 3, 500, ""},
        {"piranha",  1, 10, 4, 0, 0, 20, 0, 1,   1, ""},
    }},
    {"snapping turtle", "snapping turtles", {  // 64
        {"3-hex", 30, 8, 2, 4, 0, 8, 0, 3,  600, ""},
        {"7-hex", 60, 8, 2, 4, 0, 8, 0, 7, 2000, ""},
    }},
    {"uncle teeth", "uncle teeth", {  // 65
        {"respected", 28, 12, 6, 10, 0, 2, 0, 2, 400, "50 teeth"},
        {"wild",      28, 12, 6, 10, 0, 2, 0, 2, 400, "50 teeth"},
    }},
    {"giant clam", "giant clams", {  // 66
        {"fresh water", 200, 18, 1, 0, 0, 2, 0, 4, 40000, "pearl"},
        {"salt water",  200, 18, 1, 0, 0, 2, 0, 4, 40000, "pearl"},
    }},
    {"kraken", "kraken", {  // 67
        {"shore ambush", 120, 12, 6, 0, 0, 16, 0, 14, 20000, ""},
        {"deep water",   120, 12, 6, 0, 0, 16, 0, 14, 20000, ""},
    }},
    {"crocodile", "crocodiles", {  // 68
        {"wild", 24, 10, 3, 6, 0, 12, 0, 2, 500, ""},
        {"pet",  24, 10, 3, 6, 0, 12, 0, 2, 500, ""},
    }},
    {"bloodtree", "bloodtrees", {  // 69
        {"surface threat", 40, 12, 2, 0, 0, 0, 0, 1, 2000, "heart"},
        {"tunnel threat",  40, 12, 2, 0, 0, 0, 0, 1, 2000, "heart"},
    }},
    {"am bush", "am bushes", {  // 70
        {"woodland", 20, 10, 1, 0, 0, 0, 0, 1, 300, "leaves, twigs"},
        {"tunnel",   20, 10, 1, 0, 0, 0, 0, 1, 300, "leaves, twigs"},
    }},
    {"mushroom", "mushrooms", {  // 71
        {"edible",         1, 0, 0, 0, 0, 0, 0, 1, 0.2, "dried"},
        {"hallucinogenic", 1, 0, 0, 0, 0, 0, 0, 1, 0.2, "dried"},
        {"poisonous",      1, 0, 0, 0, 0, 0, 0, 1, 0.2, "dried"},
        {"poison gas",     1, 0, 0, 0, 0, 0, 0, 1, 0.2, "dried"},
        {"explosive",      1, 0, 0, 0, 0, 0, 0, 1, 0.2, "dried"},
        {"berserker",      1, 0, 0, 0, 0, 0, 0, 1, 0.2, "dried"},
    }},
    {"slime", "slimes", {  // 72
        {"green",   6, 4, 0, 1, 0, 0, 0, 1, 20, ""},
        {"red",    10, 6, 0, 2, 0, 0, 0, 1, 30, ""},
        {"brown",   8, 4, 0, 1, 0, 0, 0, 1, 25, ""},
        {"silver", 14, 8, 1, 2, 0, 0, 0, 1, 40, ""},
    }},
    {"rat", "rats", {  // 73
        {"city",    1, 12, 3, 10, 0, 4, 0, 1, 0.5, ""},
        {"country", 1, 12, 3, 10, 0, 4, 0, 1, 0.5, ""},
        {"sewer",   1, 12, 3, 10, 0, 4, 0, 1, 0.5, ""},
    }},
    {"vampire bat", "vampire bats", {  // 74
        {"tree", 2, 14, 3, 2, 16, 0, 0, 1, 0.05, ""},
        {"cave", 2, 14, 3, 2, 16, 0, 0, 1, 0.05, ""},
    }},
    {"nuisance", "nuisances", {  // 75
        {"spider", 1, 12, 1, 6,  0, 0, 0, 1,  0.1, ""},
        {"wasp",   1, 14, 1, 2, 16, 0, 0, 1, 0.01, ""},
    }},
    {"nuisance", "nuisances", {  // 76
        {"piranhakeet", 1, 13, 2, 2, 18, 0, 0, 1, 0.2, ""},
    }},
    {"nuisance", "nuisances", {  // 77
        {"scorpion", 1, 11, 1, 6, 0, 0, 0, 1, 0.1, ""},
    }},
    {"child", "children", {  // 78
        {"man",          4, 5, 8,  8,  0, 2, 4, 1,  20, ""},
        {"orc",          5, 5, 7,  8,  0, 2, 4, 1,  22, ""},
        {"elf",          3, 7, 8, 10,  0, 2, 4, 1,  15, ""},
        {"dwarf",        6, 4, 8,  8,  0, 1, 4, 1,  25, ""},
        {"goblin",       3, 5, 6,  8,  0, 2, 4, 1,  14, ""},
        {"hobgoblin",    3, 4, 5,  8,  0, 2, 4, 1,  13, ""},
        {"halfling",     2, 7, 8,  8,  0, 2, 4, 1,  10, ""},
        {"prootwaddle",  3, 6, 5,  8,  0, 2, 3, 1,   9, ""},
        {"centaur",      8, 6, 7, 12,  0, 2, 2, 1, 150, ""},
        {"giant",       14, 5, 7,  8,  0, 2, 0, 1, 120, ""},
        {"gargoyle",    10, 6, 7,  6, 10, 0, 0, 1, 120, ""},
        {"reptile man",  7, 6, 7,  8,  0, 6, 0, 1,  40, ""},
        {"merman",       4, 6, 8,  6,  0, 2, 4, 1,  16, ""},
    }},
};
// clang-format on
