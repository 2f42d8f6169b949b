// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

// The archetype engine. A reading goes: birth day and month -> sign (signOfBirthDate) -> the sign's
// one or two rulers (setRulersFromSign, into rulingPlanets) -> each ruler is looked up by planet
// name in the ArchetypeTable (findPlanet). The window shows the matches in order, so
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
    // day is 1 to 31; monthPosition is the month's place in the year counted from 0, as the month
    // list counts (0 January ... 11 December). Any other position gives no sign.
    static std::optional<QString> signOfBirthDate(int day, int monthPosition);

    // Rewrites both slots, so no second ruler survives from an earlier reading. An unknown sign
    // leaves both slots empty.
    void setRulersFromSign(const QString &sign);

    // First row whose planet name equals the text exactly; the empty text matches nothing.
    static std::optional<int> findPlanet(QStringView planetName);

    // The whole resolution of one accepted entry. A month position outside the twelve keeps the
    // previous sign and rulers.
    QList<RulerMatch> resolveReading(int day, int monthPosition);

    const QString &currentSign() const { return m_currentSign; }
    const RulingPlanets &rulingPlanets() const { return m_rulingPlanets; }

private:
    QString m_currentSign;
    RulingPlanets m_rulingPlanets;
};

} // namespace planetarch
