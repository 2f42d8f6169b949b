// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "core/readingengine.h"

namespace planetarch {

using namespace Qt::StringLiterals;

namespace {

struct MonthTurn
{
    int threshold; // this day and later give the later sign
    QString earlierSign;
    QString laterSign;
};

const std::array<MonthTurn, 12> &monthTurns()
{
    // By month position. Every month from March on turns on the 21st, not on the astronomical
    // dates.
    static const std::array<MonthTurn, 12> turns{{
        {20, u"Capricorn"_s, u"Aquarius"_s},    // January
        {19, u"Aquarius"_s, u"Pisces"_s},       // February
        {21, u"Pisces"_s, u"Aries"_s},          // March
        {21, u"Aries"_s, u"Taurus"_s},          // April
        {21, u"Taurus"_s, u"Gemini"_s},         // May
        {21, u"Gemini"_s, u"Cancer"_s},         // June
        {21, u"Cancer"_s, u"Leo"_s},            // July
        {21, u"Leo"_s, u"Virgo"_s},             // August
        {21, u"Virgo"_s, u"Libra"_s},           // September
        {21, u"Libra"_s, u"Scorpio"_s},         // October
        {21, u"Scorpio"_s, u"Sagittarius"_s},   // November
        {21, u"Sagittarius"_s, u"Capricorn"_s}, // December
    }};
    return turns;
}

struct SignRulers
{
    QString sign;
    RulingPlanets rulers;
};

const std::array<SignRulers, 12> &signRulers()
{
    static const std::array<SignRulers, 12> rulers{{
        {u"Aries"_s, {u"Mars"_s, QString()}},
        {u"Taurus"_s, {u"Venus"_s, QString()}},
        {u"Gemini"_s, {u"Mercury"_s, QString()}},
        {u"Cancer"_s, {u"Moon"_s, QString()}},
        {u"Leo"_s, {u"Sun"_s, QString()}},
        {u"Virgo"_s, {u"Mercury"_s, QString()}},
        {u"Libra"_s, {u"Venus"_s, QString()}},
        {u"Scorpio"_s, {u"Pluto"_s, u"Mars"_s}},
        {u"Sagittarius"_s, {u"Jupiter"_s, QString()}},
        {u"Capricorn"_s, {u"Saturn"_s, QString()}},
        {u"Aquarius"_s, {u"Uranus"_s, u"Saturn"_s}},
        {u"Pisces"_s, {u"Neptune"_s, u"Jupiter"_s}},
    }};
    return rulers;
}

// The panel's captions, in its order; each row's value comes from the ruler or the table.
const std::array<QString, ArchetypeReading::RowCount> &captions()
{
    static const std::array<QString, ArchetypeReading::RowCount> texts{
        u"Ruling Planet"_s,   u"Planetary Archetype"_s,
        u"Also Known As"_s,   u"Keywords"_s,
        u"Characteristics"_s, u"Ruler"_s,
        u"Tarot Card"_s,      u"Detriment"_s};
    return texts;
}

} // namespace

namespace readingengine {

std::optional<QString> signOfBirthDate(int day, int monthPosition)
{
    if (monthPosition < 0 || monthPosition >= int(monthTurns().size()))
        return std::nullopt;
    const MonthTurn &turn = monthTurns()[static_cast<std::size_t>(monthPosition)];
    return day >= turn.threshold ? turn.laterSign : turn.earlierSign;
}

RulingPlanets rulersOfSign(const QString &sign)
{
    for (const SignRulers &entry : signRulers()) {
        if (entry.sign == sign)
            return entry.rulers;
    }
    return {};
}

std::optional<int> findPlanet(QStringView planetName)
{
    if (planetName.isEmpty())
        return std::nullopt;
    for (int index = 0; index < PlanetCount; ++index) {
        if (ArchetypeTable::cell(Column::PlanetName, index) == planetName)
            return index;
    }
    return std::nullopt;
}

QList<RulerMatch> resolveReading(int day, int monthPosition)
{
    const std::optional<QString> sign = signOfBirthDate(day, monthPosition);
    if (!sign)
        return {};
    QList<RulerMatch> matches;
    for (const QString &ruler : rulersOfSign(*sign)) {
        if (std::optional<int> index = findPlanet(ruler))
            matches.append({ruler, *index});
    }
    return matches;
}

std::optional<ArchetypeReading> readingFor(int day, int monthPosition)
{
    const QList<RulerMatch> matches = resolveReading(day, monthPosition);
    if (matches.isEmpty())
        return std::nullopt;
    // Each ruler found fills the panel in turn: what stays is the last.
    const RulerMatch &last = matches.last();
    const PlanetArchetype &row = ArchetypeTable::row(last.planetIndex);
    const std::array<QString, ArchetypeReading::RowCount> values{
        last.ruler.toUpper(), row.archetype.toUpper(), row.alsoKnownAs, row.keywords,
        row.characteristics,  row.ruledSigns,          row.tarotCard,   row.detriment};
    ArchetypeReading reading{*signOfBirthDate(day, monthPosition), last.planetIndex, {}};
    for (std::size_t index = 0; index < values.size(); ++index)
        reading.rows[index] = {captions()[index], values[index]};
    return reading;
}

} // namespace readingengine

} // namespace planetarch
