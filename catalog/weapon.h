// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "catalog/tobject.h"

// One compiled-in weapon row: the numbers every variant shares, then the
// variant names in order (nullptr ends the list).
struct WeaponRow {
    const char* name;
    const char* kind;
    int32_t dice;
    int32_t adds;
    int32_t st;
    double cost;
    double weight;
    int32_t dice2;
    int32_t adds2;
    const char* note1;
    const char* note2;
    const char* note3;
    const char* variants[8];
};

constexpr int kWeaponCount = 59;  // weapon numbers 1..59

// The 59 rows; weapon n is kWeaponRows[n - 1].
extern const WeaponRow kWeaponRows[kWeaponCount];

// A name under which a weapon is known, with its own copy of the numbers.
struct TWeaponKest {
    std::string Name;
    int32_t Dice = 0;
    int32_t Adds = 0;
    int32_t ST = 0;
    double Cost = 0;
    double Weight = 0;
    std::string Note1, Note2, Note3;
    double Weeks = 0;  // Cost / 150: the making time counted for the weapon as a base item
    int32_t Dice2 = 0;
    int32_t Adds2 = 0;
};

class TWeaponItemKest : public TObject {
public:
    explicit TWeaponItemKest(int32_t index);

    std::string Name;
    std::string Kind;
    std::array<TWeaponKest, 8> Variants;  // Variants[0] is variant 1
};
