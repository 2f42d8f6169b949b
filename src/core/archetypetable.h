// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <array>

namespace planetarch {

// A planet index names one row: 0 Sun, 1 Moon, 2 Mars, 3 Venus, 4 Mercury, 5 Jupiter, 6 Saturn,
// 7 Uranus, 8 Neptune, 9 Pluto. The order is not the order from the Sun; the pictures follow it
// too.
inline constexpr int PlanetCount = 10;

enum class Column {
    PlanetName,
    Archetype,
    AlsoKnownAs,
    Keywords,
    Characteristics,
    RuledSigns,
    TarotCard,
    Detriment,
};

struct PlanetArchetype
{
    QString planetName;
    QString archetype;
    QString alsoKnownAs;
    QString keywords;
    QString characteristics;
    QString ruledSigns;
    QString tarotCard;
    QString detriment;

    const QString &operator[](Column column) const;
    bool operator==(const PlanetArchetype &) const = default;
};

// The whole astrological content of the program: ten rows by planet index, fixed for the life of
// the program.
class ArchetypeTable
{
public:
    // planetIndex must be 0 to PlanetCount - 1.
    static const PlanetArchetype &row(int planetIndex);
    static const QString &cell(Column column, int planetIndex) { return row(planetIndex)[column]; }
};

// Resource name of the planet's picture ("sun.png" ... "pluto.png"), by planet index.
QString planetPictureName(int planetIndex);

} // namespace planetarch
