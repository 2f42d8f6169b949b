// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

// The whole astrological content of the program: the ten planets with their archetypes and the
// twelve signs, fixed for the life of the program.

#include <QStringView>

#include <array>
#include <cstddef>

namespace planetarch {

// The table's order, not the order from the Sun; the pictures follow it too.
enum class Planet { Sun, Moon, Mars, Venus, Mercury, Jupiter, Saturn, Uranus, Neptune, Pluto };

// clang-format off
enum class Sign {
    Aries, Taurus, Gemini, Cancer, Leo, Virgo, Libra, Scorpio, Sagittarius, Capricorn, Aquarius,
    Pisces
};
// clang-format on

struct PlanetArchetype
{
    QStringView name, archetype, alsoKnownAs, keywords, characteristics, ruledSigns, tarotCard,
        detriment;
    bool operator==(const PlanetArchetype &) const = default;
};

// The texts are the program's content exactly as written, odd separators and typos included
// ("Gemini And virgo", "You area always", the two blanks in the Mercury paragraph).
// By planet, in the enum's order.
inline constexpr auto Archetypes = std::to_array<PlanetArchetype>({
    {u"Sun", u"The King", u"The Leader, The Star", u"Happy, Enthusiastic, Confident, Positive",
     u"You like to be the center of attraction and in the limelight. You crave for attention and "
     u"publicity. You are authoritative and have good leadership qualities. You are motivated and "
     u"are determined to achieve your goals. You are also very helpful and socially aware of your "
     u"responsibilities.",
     u"Leo", u"The Sun", u"Aquarius"},
    {u"Moon", u"The Queen", u"The Feeler, The Nurturer",
     u"Emotional, Clairvoyant, Creative, Sensitive",
     u"You are the silent types who think before they talk. You are caring and sensitive. You love "
     u"to help people and are always found helping someone in need. You may also be spiritually "
     u"inclined. You have creative and and artistic interests too.",
     u"Cancer", u"The High Priestess", u"Capricorn"},
    {u"Mars", u"The Warrior", u"The Go-Getter, The Doer", u"Bold, Passionate, Adventurous, Focused",
     u"You have a lot of energy and enthusiasm to do things. You area always on the move thinking "
     u"about your next big project. You love challenges and there is never a shortage of projects "
     u"that you are involved in. You will love challenges and the tension is what keeps you going.",
     u"Aries, Scorpio", u"The Tower", u"Libra (Taurus)"},
    {u"Venus", u"The Diplomat", u"The Lover, The Artist",
     u"Loving, Warm, Affectionate, Artistic, Sensual",
     u"You are the fun people who love enjoying and partying at a moment's notice. You laugh a lot "
     u"and are always happy. You love beautiful things in the form of clothes, jewelery, fashion, "
     u"art, music etc. You believe in a lavish and luxurious lifestyle.",
     u"Taurus And Libra", u"The Empress", u"Scorpio And Aries"},
    {u"Mercury", u"The Prince", u"The Bean Counter, The Thinker",
     u"Intellectual, Communicative, Spiritual",
     u"You are very methodical and go by the facts more than the figures. You need to have "
     u"analyzed "
     u"every aspect of a problem before deciding whether its feasible or not.  You are "
     u"intellectual "
     u"beings who believe more in the math than in people and feelings.",
     u"Gemini And virgo", u"The Magician", u"Sagittarius And Pisces"},
    {u"Jupiter", u"The Counselor", u"The Cheerleader, The Guru",
     u"Decisive, Respected, Wise, Easy Going",
     u"You will know the answers to all the questions irrespective of whether you are asked or "
     u"not. You are positive and optimistic people who can see potential even in the worst of "
     u"projects. Your attitude in life will take you a long way and prove to be an an example to "
     u"others.",
     u"Sagittarius And Pisces", u"The Wheel", u"Gemini And Virgo"},
    {u"Saturn", u"The Servant", u"The Perfectionist, The Curmudgeon",
     u"Patient, Diplomatic, Reliable, Practical",
     u"You are very reliable and solid people. You will not be taken in by sob stories and are "
     u"disciplined in your thinking. You are hard workers and very practical. Life is only black "
     u"or white with no shades in between.",
     u"Capricorn", u"The World", u"Cancer"},
    {u"Uranus", u"The Revolutionary", u"The Maverick, The Liberator", u"Uranus", u"Uranus",
     u"Aquarius", u"The Fool, The Star (Aquarius)", u"Leo"},
    {u"Neptune", u"The Visionary", u"The Dreamer, The Victim", u"Neptune", u"Neptune", u"Pisces",
     u"The Hangman", u"Virgo"},
    {u"Pluto", u"The Transformer", u"The Soul Essence", u"Pluto", u"Pluto", u"Scorpio",
     u"The Fool, The Death (Scorpio)", u"Taurus"},
});

inline constexpr auto SignNames = std::to_array<QStringView>(
    {u"Aries", u"Taurus", u"Gemini", u"Cancer", u"Leo", u"Virgo", u"Libra", u"Scorpio",
     u"Sagittarius", u"Capricorn", u"Aquarius", u"Pisces"});

constexpr const PlanetArchetype &archetypeOf(Planet planet)
{
    return Archetypes[static_cast<std::size_t>(planet)];
}

constexpr QStringView nameOf(Sign sign)
{
    return SignNames[static_cast<std::size_t>(sign)];
}

} // namespace planetarch
