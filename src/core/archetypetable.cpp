// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "core/archetypetable.h"

namespace planetarch {

using namespace Qt::StringLiterals;

namespace {

// The texts are the program's content exactly as written, odd separators and typos included
// ("Gemini And virgo", "You area always", the two blanks in the Mercury paragraph).
const std::array<PlanetArchetype, PlanetCount> &archetypeRows()
{
    static const std::array<PlanetArchetype, PlanetCount> rows{{
        {u"Sun"_s, u"The King"_s, u"The Leader, The Star"_s,
         u"Happy, Enthusiastic, Confident, Positive"_s,
         u"You like to be the center of attraction and in the limelight. You crave for attention and publicity. You are authoritative and have good leadership qualities. You are motivated and are determined to achieve your goals. You are also very helpful and socially aware of your responsibilities."_s,
         u"Leo"_s, u"The Sun"_s, u"Aquarius"_s},
        {u"Moon"_s, u"The Queen"_s, u"The Feeler, The Nurturer"_s,
         u"Emotional, Clairvoyant, Creative, Sensitive"_s,
         u"You are the silent types who think before they talk. You are caring and sensitive. You love to help people and are always found helping someone in need. You may also be spiritually inclined. You have creative and and artistic interests too."_s,
         u"Cancer"_s, u"The High Priestess"_s, u"Capricorn"_s},
        {u"Mars"_s, u"The Warrior"_s, u"The Go-Getter, The Doer"_s,
         u"Bold, Passionate, Adventurous, Focused"_s,
         u"You have a lot of energy and enthusiasm to do things. You area always on the move thinking about your next big project. You love challenges and there is never a shortage of projects that you are involved in. You will love challenges and the tension is what keeps you going."_s,
         u"Aries, Scorpio"_s, u"The Tower"_s, u"Libra (Taurus)"_s},
        {u"Venus"_s, u"The Diplomat"_s, u"The Lover, The Artist"_s,
         u"Loving, Warm, Affectionate, Artistic, Sensual"_s,
         u"You are the fun people who love enjoying and partying at a moment's notice. You laugh a lot and are always happy. You love beautiful things in the form of clothes, jewelery, fashion, art, music etc. You believe in a lavish and luxurious lifestyle."_s,
         u"Taurus And Libra"_s, u"The Empress"_s, u"Scorpio And Aries"_s},
        {u"Mercury"_s, u"The Prince"_s, u"The Bean Counter, The Thinker"_s,
         u"Intellectual, Communicative, Spiritual"_s,
         u"You are very methodical and go by the facts more than the figures. You need to have analyzed every aspect of a problem before deciding whether its feasible or not.  You are intellectual beings who believe more in the math than in people and feelings."_s,
         u"Gemini And virgo"_s, u"The Magician"_s, u"Sagittarius And Pisces"_s},
        {u"Jupiter"_s, u"The Counselor"_s, u"The Cheerleader, The Guru"_s,
         u"Decisive, Respected, Wise, Easy Going"_s,
         u"You will know the answers to all the questions irrespective of whether you are asked or not. You are positive and optimistic people who can see potential even in the worst of projects. Your attitude in life will take you a long way and prove to be an an example to others."_s,
         u"Sagittarius And Pisces"_s, u"The Wheel"_s, u"Gemini And Virgo"_s},
        {u"Saturn"_s, u"The Servant"_s, u"The Perfectionist, The Curmudgeon"_s,
         u"Patient, Diplomatic, Reliable, Practical"_s,
         u"You are very reliable and solid people. You will not be taken in by sob stories and are disciplined in your thinking. You are hard workers and very practical. Life is only black or white with no shades in between."_s,
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

} // namespace

const QString &PlanetArchetype::operator[](Column column) const
{
    switch (column) {
    case Column::PlanetName:
        return planetName;
    case Column::Archetype:
        return archetype;
    case Column::AlsoKnownAs:
        return alsoKnownAs;
    case Column::Keywords:
        return keywords;
    case Column::Characteristics:
        return characteristics;
    case Column::RuledSigns:
        return ruledSigns;
    case Column::TarotCard:
        return tarotCard;
    case Column::Detriment:
        break;
    }
    return detriment;
}

const PlanetArchetype &ArchetypeTable::row(int planetIndex)
{
    Q_ASSERT(planetIndex >= 0 && planetIndex < PlanetCount);
    return archetypeRows().at(static_cast<std::size_t>(planetIndex));
}

QString planetPictureName(int planetIndex)
{
    static const std::array<QString, PlanetCount> names{
        u"sun.png"_s,     u"moon.png"_s,   u"mars.png"_s,   u"venus.png"_s,   u"mercury.png"_s,
        u"jupiter.png"_s, u"saturn.png"_s, u"uranus.png"_s, u"neptune.png"_s, u"pluto.png"_s};
    Q_ASSERT(planetIndex >= 0 && planetIndex < PlanetCount);
    return names.at(static_cast<std::size_t>(planetIndex));
}

} // namespace planetarch
