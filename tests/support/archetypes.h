// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

// The program's astrological content as the tests expect it, written out once: every test that
// needs a planet's texts takes them from here, so a change of content touches the program and
// this file only.

#include "core/archetypetable.h"

#include <QString>

#include <array>

namespace planetarch::testing {

using namespace Qt::StringLiterals;

inline const std::array<PlanetArchetype, 10> &expectedArchetypes()
{
    static const std::array<PlanetArchetype, 10> rows{{
        {u"Sun", u"The King", u"The Leader, The Star", u"Happy, Enthusiastic, Confident, Positive",
         u"You like to be the center of attraction and in the limelight. You crave for attention "
         u"and publicity. You are authoritative and have good leadership qualities. You are "
         u"motivated and are determined to achieve your goals. You are also very helpful and "
         u"socially aware of your responsibilities.",
         u"Leo", u"The Sun", u"Aquarius"},
        {u"Moon", u"The Queen", u"The Feeler, The Nurturer",
         u"Emotional, Clairvoyant, Creative, Sensitive",
         u"You are the silent types who think before they talk. You are caring and sensitive. You "
         u"love to help people and are always found helping someone in need. You may also be "
         u"spiritually inclined. You have creative and and artistic interests too.",
         u"Cancer", u"The High Priestess", u"Capricorn"},
        {u"Mars", u"The Warrior", u"The Go-Getter, The Doer",
         u"Bold, Passionate, Adventurous, Focused",
         u"You have a lot of energy and enthusiasm to do things. You area always on the move "
         u"thinking about your next big project. You love challenges and there is never a shortage "
         u"of projects that you are involved in. You will love challenges and the tension is what "
         u"keeps you going.",
         u"Aries, Scorpio", u"The Tower", u"Libra (Taurus)"},
        {u"Venus", u"The Diplomat", u"The Lover, The Artist",
         u"Loving, Warm, Affectionate, Artistic, Sensual",
         u"You are the fun people who love enjoying and partying at a moment's notice. You laugh a "
         u"lot and are always happy. You love beautiful things in the form of clothes, jewelery, "
         u"fashion, art, music etc. You believe in a lavish and luxurious lifestyle.",
         u"Taurus And Libra", u"The Empress", u"Scorpio And Aries"},
        {u"Mercury", u"The Prince", u"The Bean Counter, The Thinker",
         u"Intellectual, Communicative, Spiritual",
         u"You are very methodical and go by the facts more than the figures. You need to have "
         u"analyzed every aspect of a problem before deciding whether its feasible or not.  You "
         u"are intellectual beings who believe more in the math than in people and feelings.",
         u"Gemini And virgo", u"The Magician", u"Sagittarius And Pisces"},
        {u"Jupiter", u"The Counselor", u"The Cheerleader, The Guru",
         u"Decisive, Respected, Wise, Easy Going",
         u"You will know the answers to all the questions irrespective of whether you are asked or "
         u"not. You are positive and optimistic people who can see potential even in the worst of "
         u"projects. Your attitude in life will take you a long way and prove to be an an example "
         u"to others.",
         u"Sagittarius And Pisces", u"The Wheel", u"Gemini And Virgo"},
        {u"Saturn", u"The Servant", u"The Perfectionist, The Curmudgeon",
         u"Patient, Diplomatic, Reliable, Practical",
         u"You are very reliable and solid people. You will not be taken in by sob stories and are "
         u"disciplined in your thinking. You are hard workers and very practical. Life is only "
         u"black or white with no shades in between.",
         u"Capricorn", u"The World", u"Cancer"},
        {u"Uranus", u"The Revolutionary", u"The Maverick, The Liberator", u"Uranus", u"Uranus",
         u"Aquarius", u"The Fool, The Star (Aquarius)", u"Leo"},
        {u"Neptune", u"The Visionary", u"The Dreamer, The Victim", u"Neptune", u"Neptune",
         u"Pisces", u"The Hangman", u"Virgo"},
        {u"Pluto", u"The Transformer", u"The Soul Essence", u"Pluto", u"Pluto", u"Scorpio",
         u"The Fool, The Death (Scorpio)", u"Taurus"},
    }};
    return rows;
}

// Planets by name, for tables that name the planet a reading shows.
inline Planet planetNamed(const QString &name)
{
    for (int index = 0; index < int(expectedArchetypes().size()); ++index) {
        if (expectedArchetypes()[static_cast<std::size_t>(index)].name == name)
            return Planet(index);
    }
    qFatal("no planet %s", qPrintable(name));
}

} // namespace planetarch::testing
