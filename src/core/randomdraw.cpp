// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "core/randomdraw.h"

#include <random>

namespace planetarch::randomdraw {

namespace {

std::mt19937 &generator()
{
    static std::mt19937 engine;
    return engine;
}

Source &source()
{
    static Source current;
    return current;
}

} // namespace

void seed(quint64 value)
{
    generator().seed(static_cast<std::mt19937::result_type>(value ^ (value >> 32)));
}

float draw()
{
    if (const Source &fixed = source())
        return fixed();
    // 24 random bits fill a float's mantissa exactly, so the value can never round up to 1.
    return static_cast<float>(generator()() >> 8) * (1.0f / 16777216.0f);
}

Source setSource(Source replacement)
{
    return std::exchange(source(), std::move(replacement));
}

} // namespace planetarch::randomdraw
