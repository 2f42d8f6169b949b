// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

#include <cstddef>

// The program's one random-number generator: the banner and the exit window's appeal are drawn
// from it. Start-up seeds it once from the clock.
namespace planetarch::randomdraw {

void seed(quint64 seed);

// A single-precision value in [0, 1).
float draw();

// What a draw x picks. A value outside [0, 1] counts as the nearer end, and not a number as 0.

// The banner: round(x * 6 + 1), halves rounding up, gives 1 to 7; an even number shows the
// full-branding offer, an odd one the co-branding offer.
bool showsFullBranding(float x);

// One of count things (the exit window's appeals): x * count, rounded down, at most count - 1.
std::size_t pickOne(float x, std::size_t count);

} // namespace planetarch::randomdraw
