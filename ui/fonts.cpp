// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fonts.h"

#include <QGuiApplication>

QFont CourierNew(int pixelHeight, bool bold) {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// QGuiApplication's own setter: QApplication's would also drop the fonts the
// desktop gives to classes of widgets.
ApplicationFontScope::ApplicationFontScope(const QFont& font) : saved_(QGuiApplication::font()) {
    QGuiApplication::setFont(font);
}

ApplicationFontScope::~ApplicationFontScope() { QGuiApplication::setFont(saved_); }
