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

} // namespace planetarch::randomdraw
