// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "core/readingengine.h"

namespace planetarch {

using namespace Qt::StringLiterals;

namespace {

struct MonthTurn
{
    QString month;
    int threshold; // this day and later give the later sign
    QString earlierSign;
    QString laterSign;
};

const std::array<MonthTurn, 12> &monthTurns()
{
    // Every month from March on turns on the 21st, not on the astronomical dates.
    static const std::array<MonthTurn, 12> turns{{
        {u"January"_s, 20, u"Capricorn"_s, u"Aquarius"_s},
        {u"February"_s, 19, u"Aquarius"_s, u"Pisces"_s},
        {u"March"_s, 21, u"Pisces"_s, u"Aries"_s},
        {u"April"_s, 21, u"Aries"_s, u"Taurus"_s},
        {u"May"_s, 21, u"Taurus"_s, u"Gemini"_s},
        {u"June"_s, 21, u"Gemini"_s, u"Cancer"_s},
        {u"July"_s, 21, u"Cancer"_s, u"Leo"_s},
        {u"August"_s, 21, u"Leo"_s, u"Virgo"_s},
        {u"September"_s, 21, u"Virgo"_s, u"Libra"_s},
        {u"October"_s, 21, u"Libra"_s, u"Scorpio"_s},
        {u"November"_s, 21, u"Scorpio"_s, u"Sagittarius"_s},
        {u"December"_s, 21, u"Sagittarius"_s, u"Capricorn"_s},
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

std::optional<QString> ReadingEngine::signOfBirthDate(int day, QStringView month)
{
    for (const MonthTurn &turn : monthTurns()) {
        if (turn.month == month)
            return day >= turn.threshold ? turn.laterSign : turn.earlierSign;
    }
    return std::nullopt;
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

std::optional<int> ReadingEngine::findPlanet(QStringView planetName) const
{
    if (planetName.isEmpty() || !m_table.isFilled())
        return std::nullopt;
    for (int index = 0; index < PlanetCount; ++index) {
        if (m_table.cell(Column::PlanetName, index) == planetName)
            return index;
    }
    return std::nullopt;
}

QList<RulerMatch> ReadingEngine::resolveReading(int day, QStringView month)
{
    if (std::optional<QString> sign = signOfBirthDate(day, month))
        m_currentSign = *sign;
    setRulersFromSign(m_currentSign);
    m_table.fill();

    QList<RulerMatch> matches;
    for (const QString &ruler : m_rulingPlanets) {
        if (std::optional<int> index = findPlanet(ruler))
            matches.append({ruler, *index});
    }
    return matches;
}

} // namespace planetarch
