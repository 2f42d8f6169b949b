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

// Clamped before any conversion: a float out of int's range (or NaN) has no int value.
double clamped(float x)
{
    return std::clamp(std::isnan(x) ? 0.0 : static_cast<double>(x), 0.0, 1.0);
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
    return static_cast<int>(std::floor(clamped(x) * 6.0 + 1.5)) % 2 == 0;
}

std::size_t pickOne(float x, std::size_t count)
{
    if (count == 0)
        return 0;
    return std::min(static_cast<std::size_t>(clamped(x) * static_cast<double>(count)), count - 1);
}

} // namespace planetarch::randomdraw
