// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

class TForm1;

// What the window must hold after any user action. Taken once when the
// window opens, then compared after every step.
class SoakChecks {
public:
    explicit SoakChecks(const TForm1& form);

    // The first promise the window breaks now, or an empty text.
    std::string Check(const TForm1& form) const;

private:
    // The magic item catalog as it opened: nothing a user does changes it.
    std::vector<std::string> magicItems_;
};

// A magic item record in one line: every field a list or the bench shows.
std::string DescribeMagicItem(const class TMagicItemKest& item);
