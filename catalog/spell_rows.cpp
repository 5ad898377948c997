// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/spell.h"

// The spell catalog as the rulebook prints it, in spell-number order.
// Kind: S special, T thrown, C creation, M missile, t the spell shield's own class,
// blank none. ST is what casting costs ("drain strength" has -1); ST/turn is the upkeep
// while the spell is kept going.

// clang-format off
const SpellRow kSpellRows[kSpellCount] = {
//    name                         IQ  kind   ST  ST/turn
    // IQ 8
    {"staff",                       8, 'S',    5,   0},  //   1
    {"magic fist",                  8, 'M',    1,   0},  //   2
    {"blur",                        8, 'T',    1,   1},  //   3
    {"slow movement",               8, 'T',    2,   0},  //   4
    {"drop weapon",                 8, ' ',    1,   0},  //   5
    {"image",                       8, 'C',    1,   0},  //   6
    {"detect magic",                8, 'T',    1,   0},  //   7
    {"light",                       8, 'T',    1,   0},  //   8

    // IQ 9
    {"clumsiness",                  9, 'T',    1,   0},  //   9
    {"confusion",                   9, 'T',    1,   0},  //  10
    {"avert",                       9, 'T',    2,   0},  //  11
    {"aid",                         9, 'T',    1,   0},  //  12
    {"summon wolf",                 9, 'C',    2,   1},  //  13
    {"reveal magic",                9, 'T',    1,   0},  //  14
    {"fire",                        9, 'C',    2,   0},  //  15
    {"detect life",                 9, 'T',    1,   0},  //  16
    {"darkness",                    9, 'C',    2,   0},  //  17
    {"dark vision",                 9, 'T',    3,   0},  //  18

    // IQ 10
    {"trip",                       10, 'T',    2,   0},  //  19
    {"speed movement",             10, 'T',    2,   0},  //  20
    {"summon myrmidon",            10, 'C',    2,   1},  //  21
    {"dazzle",                     10, 'S',    3,   0},  //  22
    {"shadow",                     10, 'C',    1,   0},  //  23
    {"shock shield",               10, 'T',    2,   1},  //  24
    {"ward",                       10, 'S',    2,   0},  //  25
    {"trailtwister",               10, 'S',    3,   0},  //  26
    {"far vision",                 10, 'S',    2,   0},  //  27
    {"detect enemies",             10, 'T',    1,   0},  //  28
    {"lock/knock",                 10, 'T',    2,   0},  //  29

    // IQ 11
    {"sleep",                      11, 'T',    3,   0},  //  30
    {"summon bear",                11, 'C',    3,   1},  //  31
    {"control animal",             11, 'T',    1,   1},  //  32
    {"illusion",                   11, 'C',    2,   0},  //  33
    {"reverse missiles",           11, 'T',    2,   1},  //  34
    {"rope",                       11, 'T',    2,   0},  //  35
    {"create wall",                11, 'C',    2,   0},  //  36
    {"destroy creation",           11, 'T',    1,   0},  //  37
    {"silent movement",            11, 'T',    1,   1},  //  38
    {"persuasiveness",             11, 'T',    2,   0},  //  39
    {"staff to snake",             11, 'T',    1,   0},  //  40
    {"reveal/conceal",             11, 'T',    1,   0},  //  41

    // IQ 12
    {"freeze",                     12, 'T',    4,   0},  //  42
    {"fireball",                   12, 'M',    1,   0},  //  43
    {"invisibility",               12, 'T',    3,   1},  //  44
    {"blast",                      12, 'S',    2,   0},  //  45
    {"mage sight",                 12, 'T',    2,   1},  //  46
    {"break weapon",               12, 'T',    3,   0},  //  47
    {"3-hex fire",                 12, 'C',    3,   0},  //  48
    {"3-hex shadow",               12, 'C',    2,   0},  //  49
    {"analyze magic",              12, 'S',    2,   0},  //  50
    {"magic rainstorm",            12, 'C',    4,   0},  //  51
    {"drain strength",             12, 'S',   -1,   0},  //  52
    {"repair",                     12, 'T',    2,   0},  //  53
    {"eyes-behind",                12, 'T',    2,   1},  //  54

    // IQ 13
    {"flight",                     13, 'T',    3,   1},  //  55
    {"summon gargoyle",            13, 'C',    4,   1},  //  56
    {"control person",             13, 'T',    3,   1},  //  57
    {"stone flesh",                13, 'T',    4,   1},  //  58
    {"slippery floor",             13, 'T',    2,   0},  //  59
    {"stop",                       13, 'T',    3,   0},  //  60
    {"4-hex image",                13, 'C',    2,   0},  //  61
    {"3-hex wall",                 13, 'C',    3,   0},  //  62
    {"fireproofing",               13, 'T',    3,   1},  //  63
    {"sticky floor",               13, 'T',    2,   0},  //  64
    {"curse",                      13, 'T',    3,   0},  //  65
    {"open tunnel",                13, 'S',    3,   0},  //  66
    {"telekinesis",                13, 'T',    2,   1},  //  67
    {"control elemental",          13, 'T',    2,   1},  //  68

    // IQ 14
    {"lightning",                  14, 'M',    1,   0},  //  69
    {"summon giant",               14, 'C',    5,   1},  //  70
    {"4-hex illusion",             14, 'C',    3,   0},  //  71
    {"remove thrown spell",        14, 'T',    2,   0},  //  72
    {"dispel illusions",           14, 'T',    3,   0},  //  73
    {"spell shield",               14, 't',    3,   1},  //  74
    {"glamor",                     14, 'T',    2,   0},  //  75
    {"fresh air",                  14, 'C',    2,   0},  //  76
    {"weapon/armor enchantment",   14, 'S',   50,   0},  //  77
    {"telepathy",                  14, 'T',    4,   1},  //  78
    {"summon lesser demon",        14, 'C',    8,   1},  //  79
    {"explosive gem",              14, 'S',   30,   0},  //  80

    // IQ 15
    {"iron flesh",                 15, 'T',    4,   1},  //  81
    {"teleport",                   15, 'S',    5,   0},  //  82
    {"summon small dragon",        15, 'C',    4,   1},  //  83
    {"giant rope",                 15, ' ',    5,   0},  //  84
    {"7-hex shadow",               15, 'C',    3,   0},  //  85
    {"7-hex image",                15, 'C',    4,   0},  //  86
    {"megahex avert",              15, 'T',    6,   0},  //  87
    {"calling",                    15, 'T',    2,   0},  //  88
    {"hammertouch",                15, 'T',    3,   0},  //  89
    {"unnoticeability",            15, 'T',    3,   1},  //  90
    {"pentagram",                  15, 'S',    5,   0},  //  91
    {"create gate",                15, 'C',   50,  50},  //  92
    {"astral projection",          15, 'S',   10,   0},  //  93

    // IQ 16
    {"7-hex illusion",             16, 'C',    4,   0},  //  94
    {"summon dragon",              16, 'C',    5,   2},  //  95
    {"death spell",                16, 'T',    3,   0},  //  96
    {"7-hex fire",                 16, 'C',    4,   0},  //  97
    {"7-hex wall",                 16, 'C',    4,   0},  //  98
    {"megahex sleep",              16, 'T',    9,   0},  //  99
    {"trance",                     16, 'S',    5,   0},  // 100
    {"long-distance telepathy",    16, 'S',    6,   0},  // 101
    {"write scroll",               16, 'S',   25,   0},  // 102
    {"create/destroy elemental",   16, 'C',   10,   0},  // 103
    {"staff of power",             16, 'S',  240,   0},  // 104

    // IQ 17
    {"summon demon",               17, 'C',   10,   0},  // 105
    {"geas",                       17, 'S',   10,   0},  // 106
    {"insubstantiality",           17, 'T',    4,   1},  // 107
    {"dissolve enchantment",       17, 'T',   30,   0},  // 108
    {"remove cursed object",       17, 'T',   20,   0},  // 109
    {"expunge",                    17, 'S', 2250,   0},  // 110
    {"spellsniffer",               17, 'S',  300,   0},  // 111
    {"cleansing",                  17, 'T',   10,   0},  // 112
    {"the little death",           17, 'T',   10,   0},  // 113
    {"blast trap",                 17, 'S',    7,   0},  // 114

    // IQ 18
    {"shapeshifting",              18, 'T',   10,   0},  // 115
    {"wizard's wrath",             18, 'M',    1,   0},  // 116
    {"control gate",               18, 'S',   10,   0},  // 117
    {"lesser magic item creation", 18, 'S',  100,   0},  // 118
    {"megahex freeze",             18, 'T',   12,   0},  // 119

    // IQ 19
    {"long-distance teleport",     19, 'S',   20,   0},  // 120
    {"zombie",                     19, 'T',    6,   0},  // 121
    {"revival",                    19, 'T',  100,   0},  // 122

    // IQ 20
    {"great magic item creation",  20, 'S', 1000,   0},  // 123
    {"W.O.C. kill",                20, 'S',    3,   0},  // 124
    {"W.O.C. flee",                20, 'S',    3,   0},  // 125
    {"W.O.C. surrender",           20, 'S',    3,   0},  // 126
    {"W.O.C. come",                20, 'S',    3,   0},  // 127
    {"W.O.C. believe",             20, 'S',    3,   0},  // 128
    {"W.O.C. stop",                20, 'S',    3,   0},  // 129
    {"W.O.C. quiet",               20, 'S',    3,   0},  // 130
    {"W.O.C. go that way",         20, 'S',    3,   0},  // 131
    {"W.O.C. obey",                20, 'S',    3,   0},  // 132
    {"W.O.C. sing",                20, 'S',    3,   0},  // 133
    {"W.O.C. scream",              20, 'S',    3,   0},  // 134
    {"W.O.C. laugh",               20, 'S',    3,   0},  // 135
    {"W.O.C. freeze",              20, 'S',    3,   0},  // 136
    {"W.O.C. crawl",               20, 'S',    3,   0},  // 137
    {"W.O.C. cry",                 20, 'S',    3,   0},  // 138
    {"W.O.C. eat",                 20, 'S',    3,   0},  // 139
    {"W.O.C. do not kill",         20, 'S',    3,   0},  // 140
    {"W.O.C. do not flee",         20, 'S',    3,   0},  // 141
    {"W.O.C. do not surrender",    20, 'S',    3,   0},  // 142
    {"W.O.C. do not come",         20, 'S',    3,   0},  // 143
    {"W.O.C. do not believe",      20, 'S',    3,   0},  // 144
    {"W.O.C. do not stop",         20, 'S',    3,   0},  // 145
    {"W.O.C. do not quiet",        20, 'S',    3,   0},  // 146
    {"W.O.C. do not go that way",  20, 'S',    3,   0},  // 147
    {"W.O.C. do not obey",         20, 'S',    3,   0},  // 148
    {"W.O.C. do not sing",         20, 'S',    3,   0},  // 149
    {"W.O.C. do not scream",       20, 'S',    3,   0},  // 150
    {"W.O.C. do not laugh",        20, 'S',    3,   0},  // 151
    {"W.O.C. do not freeze",       20, 'S',    3,   0},  // 152
    {"W.O.C. do not crawl",        20, 'S',    3,   0},  // 153
    {"W.O.C. do not cry",          20, 'S',    3,   0},  // 154
    {"W.O.C. do not eat",          20, 'S',    3,   0},  // 155
    {"possession",                 20, 'S',   20,   0},  // 156
};
// clang-format on
