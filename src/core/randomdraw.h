// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

// The program's one random-number generator: the banner and the exit window's appeal are drawn
// from it. Start-up seeds it once from the clock.
namespace planetarch::randomdraw {

void seed(quint64 seed);

// A single-precision value in [0, 1).
float draw();

// The banner a draw x shows: round(x * 6 + 1), halves rounding up, gives 1 to 7; an even number
// shows the full-branding offer, an odd one the co-branding offer.
bool showsFullBranding(float x);

} // namespace planetarch::randomdraw
