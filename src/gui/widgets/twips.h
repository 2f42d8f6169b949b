// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QSize>

#include <cmath>

namespace planetarch {

// The windows are designed in twips; 15 twips are one logical pixel at 96 dots per inch, and Qt
// scales logical pixels to the screen.
constexpr int twips(int value)
{
    return static_cast<int>(std::lround(value / 15.0));
}

constexpr QSize twipsSize(int width, int height)
{
    return {twips(width), twips(height)};
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return {twips(left), twips(top), twips(width), twips(height)};
}

} // namespace planetarch
