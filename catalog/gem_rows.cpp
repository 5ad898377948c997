// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/gem.h"

// The gems and minerals by their price per carat, dearest first. The price
// falls from band to band, except for the cheap "wavellite" that stands among
// the 100-dollar stones. "gummite" is listed twice.

// clang-format off
const GemRow kGemRows[kGemCount] = {
    // name           $/carat  gem number
    // 400 dollars a carat
    {"diamond",        400},  // 1
    {"ruby",           400},  // 2
    {"sapphire",       400},  // 3
    {"emerald",        400},  // 4
    // 350 dollars a carat
    {"carbonado",      350},  // 5
    // 300 dollars a carat
    {"amethyst",       300},  // 6
    // 250 dollars a carat
    {"citrine",        250},  // 7
    {"aquamarine",     250},  // 8
    {"beryl",          250},  // 9
    {"morganite",      250},  // 10
    {"topaz",          250},  // 11
    // 200 dollars a carat
    {"tourmaline",     200},  // 12
    {"opal",           200},  // 13
    {"hyalite",        200},  // 14
    {"kunzite",        200},  // 15
    {"hiddenite",      200},  // 16
    // 150 dollars a carat
    {"flourite",       150},  // 17
    {"lapis lazuli",   150},  // 18
    {"crystal",        150},  // 19
    // 125 dollars a carat
    {"garnet",         125},  // 20
    {"demantoid",      125},  // 21
    {"spinel",         125},  // 22
    {"uvarovite",      125},  // 23
    {"topazolite",     125},  // 24
    {"melanite",       125},  // 25
    {"corumdum",       125},  // 26
    {"spodumene",      125},  // 27
    // 100 dollars a carat
    {"idocrase",       100},  // 28
    {"cats eye",       100},  // 29
    {"hyacinth",       100},  // 30
    {"essonite",       100},  // 31
    {"moonstone",      100},  // 32
    {"iceland spar",   100},  // 33
    // 5 dollars a carat
    {"wavellite",        5},  // 34
    // 100 dollars a carat
    {"tiger eye",      100},  // 35
    {"grossularite",   100},  // 36
    {"zircon",         100},  // 37
    {"chiastolite",    100},  // 38
    {"californite",    100},  // 39
    // 75 dollars a carat
    {"blue john",       75},  // 40
    {"onyx",            75},  // 41
    {"peridot",         75},  // 42
    {"agate",           75},  // 43
    {"sardonyx",        75},  // 44
    {"prase",           75},  // 45
    {"chrysoprase",     75},  // 46
    {"bloodstone",      75},  // 47
    {"malachite",       75},  // 48
    {"azurite",         75},  // 49
    {"amazon stone",    75},  // 50
    {"nephrite",        75},  // 51
    {"gahnite",         75},  // 52
    // 50 dollars a carat
    {"white marble",    50},  // 53
    {"gray marble",     50},  // 54
    {"green_marble",    50},  // 55
    {"red marble",      50},  // 56
    {"yellow_marble",   50},  // 57
    {"blue marble",     50},  // 58
    {"black marble",    50},  // 59
    {"silverstone",     50},  // 60
    {"scheelite",       50},  // 61
    {"cinnabar",        50},  // 62
    {"turquoise",       50},  // 63
    {"olivine",         50},  // 64
    {"alabaster",       50},  // 65
    {"celestite",       50},  // 66
    {"amber",           50},  // 67
    {"aventurine",      50},  // 68
    {"chrysoberyl",     50},  // 69
    {"datolite",        50},  // 70
    // 35 dollars a carat
    {"bronzite",        35},  // 71
    {"pyrite",          35},  // 72
    {"galena",          35},  // 73
    {"serpentine",      35},  // 74
    {"chalcopyrite",    35},  // 75
    {"argentite",       35},  // 76
    {"jasper",          35},  // 77
    {"chrysocolla",     35},  // 78
    {"diopside",        35},  // 79
    {"alexandrite",     35},  // 80
    {"sperrylite",      35},  // 81
    {"chromite",        35},  // 82
    // 25 dollars a carat
    {"cordierite",      25},  // 83
    {"flint",           25},  // 84
    {"chert",           25},  // 85
    {"orpiment",        25},  // 86
    {"realgar",         25},  // 87
    {"bornite",         25},  // 88
    {"lodestone",       25},  // 89
    {"selenite",        25},  // 90
    {"calcite",         25},  // 91
    {"zincite",         25},  // 92
    {"sphene",          25},  // 93
    // 20 dollars a carat
    {"bauxite",         20},  // 94
    {"zinc",            20},  // 95
    {"barite",          20},  // 96
    {"magnetite",       20},  // 97
    {"bismuthinite",    20},  // 98
    {"cuprite",         20},  // 99
    {"scapolite",       20},  // 100
    // 15 dollars a carat
    {"willemite",       15},  // 101
    {"anhydrite",       15},  // 102
    {"kyanite",         15},  // 103
    {"garnierite",      15},  // 104
    {"ankerite",        15},  // 105
    {"magnesite",       15},  // 106
    {"erythrite",       15},  // 107
    {"sphalerite",      15},  // 108
    {"gypsum",          15},  // 109
    {"tridymite",       15},  // 110
    {"cristobalite",    15},  // 111
    {"cerargyrite",     15},  // 112
    {"danite",          15},  // 113
    {"ilmenite",        15},  // 114
    {"sylvanite",       15},  // 115
    {"pyrargyrite",     15},  // 116
    {"proustite",       15},  // 117
    {"cassiterite",     15},  // 118
    {"stannite",        15},  // 119
    {"apatite",         15},  // 120
    {"analcime",        15},  // 121
    // 10 dollars a carat
    {"sodalite",        10},  // 122
    {"heulandite",      10},  // 123
    {"clinozoisite",    10},  // 124
    {"wollastonite",    10},  // 125
    {"wulfenite",       10},  // 126
    {"staurolite",      10},  // 127
    {"hornblende",      10},  // 128
    {"apophyllite",     10},  // 129
    {"brucite",         10},  // 130
    {"dolomite",        10},  // 131
    {"hematite",        10},  // 132
    {"stibnite",        10},  // 133
    {"arsenopyrite",    10},  // 134
    {"molybdenite",     10},  // 135
    {"phyrrhotite",     10},  // 136
    {"orthoclase",      10},  // 137
    {"covellite",       10},  // 138
    {"microcline",      10},  // 139
    {"plagioclase",     10},  // 140
    {"wolframite",      10},  // 141
    {"greenockite",     10},  // 142
    {"pentlandite",     10},  // 143
    {"tennanite",       10},  // 144
    {"freibergite",     10},  // 145
    {"enargite",        10},  // 146
    {"pectonite",       10},  // 147
    {"augite",          10},  // 148
    // 5 dollars a carat
    {"uraninite",        5},  // 149
    {"autunite",         5},  // 150
    {"uranophane",       5},  // 151
    {"gummite",          5},  // 152
    {"gummite",          5},  // 153
    {"troostite",        5},  // 154
    {"chondrodite",      5},  // 155
    {"hemimorphite",     5},  // 156
    {"axinite",          5},  // 157
    {"sillimanite",      5},  // 158
    {"psilomelane",      5},  // 159
    {"niccolite",        5},  // 160
    {"millerite",        5},  // 161
    {"chalcocite",       5},  // 162
    {"manganite",        5},  // 163
    {"limonite",         5},  // 164
    {"diaspore",         5},  // 165
    {"goethite",         5},  // 166
    {"pyrolusite",       5},  // 167
    {"rutile",           5},  // 168
    {"marcasite",        5},  // 169
    {"cobaltite",        5},  // 170
    {"smaltite",         5},  // 171
    {"franklinite",      5},  // 172
    {"amblygonite",      5},  // 173
    {"sylvite",          5},  // 174
    {"embolite",         5},  // 175
    {"bromyrite",        5},  // 176
    {"iodyrite",         5},  // 177
    {"allanite",         5},  // 178
    {"anglesite",        5},  // 179
    {"nepheline",        5},  // 180
    {"leucite",          5},  // 181
    {"stilbite",         5},  // 182
    {"chabazite",        5},  // 183
    {"natrolite",        5},  // 184
    {"rhodonite",        5},  // 185
    {"phrenite",         5},  // 186
    {"actinolite",       5},  // 187
    {"tremolite",        5},  // 188
    {"enstatite",        5},  // 189
    {"siderite",         5},  // 190
    {"rhodocrosite",     5},  // 191
    {"smithsonite",      5},  // 192
    {"aragonite",        5},  // 193
    {"witherite",        5},  // 194
    {"strontianite",     5},  // 195
    {"cerussite",        5},  // 196
    {"mimetite",         5},  // 197
    {"kernite",          5},  // 198
    {"ulexite",          5},  // 199
    {"colemanite",       5},  // 200
    {"pyromorphite",     5},  // 201
    {"vanadinite",       5},  // 202
};
// clang-format on
