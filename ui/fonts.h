// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// "Courier New" at a character height in pixels. Without Courier New the
// typewriter hint still gets a fixed-pitch face (Liberation Mono shares its
// metrics), so the columns of the lists line up on any machine.
//
// The lists are plain Latin-1 text, which needs no shaping: laid out without
// it, a line of the pane is drawn with the same glyphs at the same places in
// a fraction of the time. The fixed pitch is left to the typewriter hint
// rather than asked for as well: the underlined accelerator of a button is
// drawn in a font that does not take over an asked-for pitch, so asking
// would load the same face a second time for those letters alone.
QFont CourierNew(int pixelHeight, bool bold = false);

// While alive, the application's font is the given one. Qt's text controls
// (a plain-text pane, a line edit) lay out their first, still empty text in
// the application's font before they take their own; building them inside
// this scope with the font they will have anyway keeps Qt from loading a
// font only for that empty text. The application's font is back as it was
// once the scope ends, so tooltips and menus keep theirs; Qt counts it as
// set by the program from then on, so a change of the desktop's font while
// the program runs reaches them at its next start.
class ApplicationFontScope {
public:
    explicit ApplicationFontScope(const QFont& font);
    ~ApplicationFontScope();
    ApplicationFontScope(const ApplicationFontScope&) = delete;
    ApplicationFontScope& operator=(const ApplicationFontScope&) = delete;

private:
    QFont saved_;
};
