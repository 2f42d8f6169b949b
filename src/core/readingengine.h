// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

// The archetype engine. A reading goes: birth day and month -> sign (signOfBirthDate) -> the sign's
// one or two rulers (setRulersFromSign, into rulingPlanets) -> the archetype table is filled ->
// each ruler is looked up by planet name (findPlanet). The window shows the matches in order, so
// the last one is the reading that stays on screen. The sign and the rulers carry over from one
// reading to the next.

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

class ReadingEngine
{
public:
    // day is 1 to 31; month is one of "January" ... "December", compared exactly. Anything else
    // gives no sign.
    static std::optional<QString> signOfBirthDate(int day, QStringView month);

    // Rewrites both slots, so no second ruler survives from an earlier reading. An unknown sign
    // leaves both slots empty.
    void setRulersFromSign(const QString &sign);

    // First row whose planet name equals the text exactly; the empty text matches nothing.
    std::optional<int> findPlanet(QStringView planetName) const;

    // The whole resolution of one accepted entry. A month outside the twelve names keeps the
    // previous sign and rulers.
    QList<RulerMatch> resolveReading(int day, QStringView month);

    const QString &currentSign() const { return m_currentSign; }
    const RulingPlanets &rulingPlanets() const { return m_rulingPlanets; }
    const ArchetypeTable &table() const { return m_table; }

private:
    ArchetypeTable m_table;
    QString m_currentSign;
    RulingPlanets m_rulingPlanets;
};

} // namespace planetarch
