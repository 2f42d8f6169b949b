// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

// The archetype engine. A reading goes: birth day and month -> sign (signOfBirthDate) -> the sign's
// one or two rulers (rulersOfSign) -> each ruler is looked up by planet name in the ArchetypeTable
// (findPlanet). Of the rulers found, the last is the reading (readingFor): for Scorpio, Aquarius
// and Pisces the second ruler. Nothing is kept from one reading to the next.

#include "core/archetypereading.h"
#include "core/archetypetable.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace planetarch {

struct RulerMatch
{
    QString ruler;   // the ruler text as the sign's table gives it, e.g. "Mars"
    int planetIndex; // its row in the archetype table
    bool operator==(const RulerMatch &) const = default;
};

// Slot 0 holds the first ruler, slot 1 the second or the empty text.
using RulingPlanets = std::array<QString, 2>;

namespace readingengine {

// day is 1 to 31; monthPosition is the month's place in the year counted from 0, as the month
// list counts (0 January ... 11 December). Any other position gives no sign.
std::optional<QString> signOfBirthDate(int day, int monthPosition);

// Both slots, every time; an unknown sign has none.
RulingPlanets rulersOfSign(const QString &sign);

// First row whose planet name equals the text exactly; the empty text matches nothing.
std::optional<int> findPlanet(QStringView planetName);

// The sign's rulers found in the table, in the order of the rulers; none for a month position
// outside the twelve.
QList<RulerMatch> resolveReading(int day, int monthPosition);

// The reading of one accepted entry: the last ruler found, its row of the table and the panel's
// captions; nothing when no ruler is found.
std::optional<ArchetypeReading> readingFor(int day, int monthPosition);

} // namespace readingengine

} // namespace planetarch
