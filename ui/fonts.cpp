// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fonts.h"

QFont CourierNew(int pixelHeight, bool bold) {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}
