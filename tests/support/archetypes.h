// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

// The program's astrological content as the tests expect it, written out once: every test that
// needs a planet's texts takes them from here, so a change of content touches the program and
// this file only.

#include "core/archetypetable.h"

#include <QString>
#include <QStringList>

#include <array>

namespace planetarch::testing {

using namespace Qt::StringLiterals;

inline const std::array<PlanetArchetype, PlanetCount> &expectedArchetypes()
{
    static const std::array<PlanetArchetype, PlanetCount> rows{{
        {u"Sun"_s, u"The King"_s, u"The Leader, The Star"_s,
         u"Happy, Enthusiastic, Confident, Positive"_s,
         u"You like to be the center of attraction and in the limelight. You crave for attention "
         u"and publicity. You are authoritative and have good leadership qualities. You are "
         u"motivated and are determined to achieve your goals. You are also very helpful and "
         u"socially aware of your responsibilities."_s,
         u"Leo"_s, u"The Sun"_s, u"Aquarius"_s},
        {u"Moon"_s, u"The Queen"_s, u"The Feeler, The Nurturer"_s,
         u"Emotional, Clairvoyant, Creative, Sensitive"_s,
         u"You are the silent types who think before they talk. You are caring and sensitive. You "
         u"love to help people and are always found helping someone in need. You may also be "
         u"spiritually inclined. You have creative and and artistic interests too."_s,
         u"Cancer"_s, u"The High Priestess"_s, u"Capricorn"_s},
        {u"Mars"_s, u"The Warrior"_s, u"The Go-Getter, The Doer"_s,
         u"Bold, Passionate, Adventurous, Focused"_s,
         u"You have a lot of energy and enthusiasm to do things. You area always on the move "
         u"thinking about your next big project. You love challenges and there is never a shortage "
         u"of projects that you are involved in. You will love challenges and the tension is what "
         u"keeps you going."_s,
         u"Aries, Scorpio"_s, u"The Tower"_s, u"Libra (Taurus)"_s},
        {u"Venus"_s, u"The Diplomat"_s, u"The Lover, The Artist"_s,
         u"Loving, Warm, Affectionate, Artistic, Sensual"_s,
         u"You are the fun people who love enjoying and partying at a moment's notice. You laugh a "
         u"lot and are always happy. You love beautiful things in the form of clothes, jewelery, "
         u"fashion, art, music etc. You believe in a lavish and luxurious lifestyle."_s,
         u"Taurus And Libra"_s, u"The Empress"_s, u"Scorpio And Aries"_s},
        {u"Mercury"_s, u"The Prince"_s, u"The Bean Counter, The Thinker"_s,
         u"Intellectual, Communicative, Spiritual"_s,
         u"You are very methodical and go by the facts more than the figures. You need to have "
         u"analyzed every aspect of a problem before deciding whether its feasible or not.  You "
         u"are intellectual beings who believe more in the math than in people and feelings."_s,
         u"Gemini And virgo"_s, u"The Magician"_s, u"Sagittarius And Pisces"_s},
        {u"Jupiter"_s, u"The Counselor"_s, u"The Cheerleader, The Guru"_s,
         u"Decisive, Respected, Wise, Easy Going"_s,
         u"You will know the answers to all the questions irrespective of whether you are asked or "
         u"not. You are positive and optimistic people who can see potential even in the worst of "
         u"projects. Your attitude in life will take you a long way and prove to be an an example "
         u"to others."_s,
         u"Sagittarius And Pisces"_s, u"The Wheel"_s, u"Gemini And Virgo"_s},
        {u"Saturn"_s, u"The Servant"_s, u"The Perfectionist, The Curmudgeon"_s,
         u"Patient, Diplomatic, Reliable, Practical"_s,
         u"You are very reliable and solid people. You will not be taken in by sob stories and are "
         u"disciplined in your thinking. You are hard workers and very practical. Life is only "
         u"black or white with no shades in between."_s,
         u"Capricorn"_s, u"The World"_s, u"Cancer"_s},
        {u"Uranus"_s, u"The Revolutionary"_s, u"The Maverick, The Liberator"_s, u"Uranus"_s,
         u"Uranus"_s, u"Aquarius"_s, u"The Fool, The Star (Aquarius)"_s, u"Leo"_s},
        {u"Neptune"_s, u"The Visionary"_s, u"The Dreamer, The Victim"_s, u"Neptune"_s, u"Neptune"_s,
         u"Pisces"_s, u"The Hangman"_s, u"Virgo"_s},
        {u"Pluto"_s, u"The Transformer"_s, u"The Soul Essence"_s, u"Pluto"_s, u"Pluto"_s,
         u"Scorpio"_s, u"The Fool, The Death (Scorpio)"_s, u"Taurus"_s},
    }};
    return rows;
}

// Planet indexes by name, for tables that name the planet a reading shows.
inline int planetIndex(const QString &name)
{
    for (int index = 0; index < PlanetCount; ++index) {
        if (expectedArchetypes()[static_cast<std::size_t>(index)].planetName == name)
            return index;
    }
    qFatal("no planet %s", qPrintable(name));
}

// The result panel's eight captions, in panel order.
inline const QStringList &panelCaptions()
{
    static const QStringList captions{
        QStringLiteral("Ruling Planet"),   QStringLiteral("Planetary Archetype"),
        QStringLiteral("Also Known As"),   QStringLiteral("Keywords"),
        QStringLiteral("Characteristics"), QStringLiteral("Ruler"),
        QStringLiteral("Tarot Card"),      QStringLiteral("Detriment")};
    return captions;
}

// The eight values the result panel shows for a planet, in panel order: the ruler and the
// archetype in capitals, the rest as stored.
inline QStringList panelValues(const QString &planet)
{
    const PlanetArchetype &row =
        expectedArchetypes()[static_cast<std::size_t>(planetIndex(planet))];
    return {row.planetName.toUpper(), row.archetype.toUpper(), row.alsoKnownAs, row.keywords,
            row.characteristics,      row.ruledSigns,          row.tarotCard,   row.detriment};
}

} // namespace planetarch::testing
