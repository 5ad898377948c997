// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/bare_window.h"

#include <QFont>
#include <QPlainTextEdit>

// Written at build time by weapon_list_source.
extern const char kWeaponListText[];

namespace {

// The window's client area, and the output pane's place in it.
constexpr int kWindowWidth = 626;
constexpr int kWindowHeight = 442;
constexpr int kPaneLeft = 1;
constexpr int kPaneTop = 216;
constexpr int kPaneWidth = 624;
constexpr int kPaneHeight = 224;

// The output pane's font as the window first asked for it: Courier New at 13
// pixels, fixed pitch. Spelt out here rather than taken from the window's
// code, so the floor stays where it is whatever the window does.
QFont PaneFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(13);
    return font;
}

}  // namespace

std::unique_ptr<QWidget> OpenBareWindow() {
    auto window = std::make_unique<QWidget>();
    window->resize(kWindowWidth, kWindowHeight);
    auto* pane = new QPlainTextEdit(window.get());
    pane->setGeometry(kPaneLeft, kPaneTop, kPaneWidth, kPaneHeight);
    pane->setFont(PaneFont());
    pane->setLineWrapMode(QPlainTextEdit::NoWrap);
    pane->setPlainText(QString::fromLatin1(kWeaponListText));
    return window;
}
