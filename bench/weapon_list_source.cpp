// SPDX-License-Identifier: GPL-3.0-or-later
// weapon_list_source OUTPUT: writes a C++ source that holds the weapon list
// the window opens on, as one Latin-1 text with a line break between lines,
// for the bare window of the start-up benchmark. Done at build time, so the
// bare window shows the same text without building the catalogs itself.
#include <cstdio>
#include <fstream>
#include <string>

#include "catalog/catalog_table.h"
#include "catalog/weapon_list.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: weapon_list_source OUTPUT\n");
        return 2;
    }
    CatalogTable catalogs;
    catalogs.Build();
    const Listing listing = ListWeapons(catalogs);

    std::ofstream out(argv[1], std::ios::binary);
    out << "// Written by weapon_list_source at build time: the weapon list the window\n"
           "// opens on, one line break between lines.\n"
           "extern const char kWeaponListText[];\n"
           "const char kWeaponListText[] =\n";
    for (size_t i = 0; i < listing.lines.size(); ++i) {
        std::string line = listing.lines[i];
        if (i + 1 < listing.lines.size()) line += '\n';
        out << "    \"";
        for (const char c : line) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte == '"' || byte == '\\') {
                out << '\\' << c;
            } else if (byte >= 0x20 && byte < 0x7F) {
                out << c;
            } else {
                // Octal, three digits, so no following character joins the escape.
                char escape[5];
                std::snprintf(escape, sizeof escape, "\\%03o", byte);
                out << escape;
            }
        }
        out << "\"\n";
    }
    out << "    ;\n";
    return out ? 0 : 1;
}
