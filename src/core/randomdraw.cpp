// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "core/randomdraw.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cmath>

namespace planetarch::randomdraw {

namespace {

QRandomGenerator &generator()
{
    static QRandomGenerator engine;
    return engine;
}

} // namespace

void seed(quint64 value)
{
    generator().seed(static_cast<quint32>(value ^ (value >> 32)));
}

float draw()
{
    // 24 random bits fill a float's mantissa exactly, so the value can never round up to 1 (as a
    // double in [0, 1) converted to float could).
    return static_cast<float>(generator().bounded(1u << 24)) * (1.0f / 16777216.0f);
}

bool showsFullBranding(float x)
{
    // Clamped before the conversion: a float out of int's range (or NaN) has no int value.
    const double clamped = std::clamp(std::isnan(x) ? 0.0 : static_cast<double>(x), 0.0, 1.0);
    return static_cast<int>(std::floor(clamped * 6.0 + 1.5)) % 2 == 0;
}

} // namespace planetarch::randomdraw
