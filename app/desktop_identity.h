// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Names the running program to the desktop: its name and version, the
// desktop entry it is launched from (so docks and window managers match the
// window with its launcher) and its window icon, compiled in.
void SetDesktopIdentity();
