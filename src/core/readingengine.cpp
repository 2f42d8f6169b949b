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

} // namespace

std::optional<QString> ReadingEngine::signOfBirthDate(int day, int monthPosition)
{
    if (monthPosition < 0 || monthPosition >= int(monthTurns().size()))
        return std::nullopt;
    const MonthTurn &turn = monthTurns()[static_cast<std::size_t>(monthPosition)];
    return day >= turn.threshold ? turn.laterSign : turn.earlierSign;
}

void ReadingEngine::setRulersFromSign(const QString &sign)
{
    m_rulingPlanets = {};
    for (const SignRulers &entry : signRulers()) {
        if (entry.sign == sign) {
            m_rulingPlanets = entry.rulers;
            return;
        }
    }
}

std::optional<int> ReadingEngine::findPlanet(QStringView planetName)
{
    if (planetName.isEmpty())
        return std::nullopt;
    for (int index = 0; index < PlanetCount; ++index) {
        if (ArchetypeTable::cell(Column::PlanetName, index) == planetName)
            return index;
    }
    return std::nullopt;
}

QList<RulerMatch> ReadingEngine::resolveReading(int day, int monthPosition)
{
    if (std::optional<QString> sign = signOfBirthDate(day, monthPosition))
        m_currentSign = *sign;
    setRulersFromSign(m_currentSign);

    QList<RulerMatch> matches;
    for (const QString &ruler : m_rulingPlanets) {
        if (std::optional<int> index = findPlanet(ruler))
            matches.append({ruler, *index});
    }
    return matches;
}

} // namespace planetarch
