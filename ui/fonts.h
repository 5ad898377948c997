// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// "Courier New" at a character height in pixels. Without Courier New the
// fixed-pitch hint still gets a typewriter face (Liberation Mono shares its
// metrics), so the columns of the lists line up on any machine.
QFont CourierNew(int pixelHeight, bool bold = false);
