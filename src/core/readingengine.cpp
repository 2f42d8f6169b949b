// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "core/readingengine.h"

#include "core/identity.h"

#include <QStringList>

namespace planetarch {

using namespace Qt::StringLiterals;

namespace {

// The day from which each month, January first, gives the later of its two signs: the sign that
// begins in it. Every month from March on turns on the 21st, not on the astronomical dates.
constexpr std::array<int, 12> TurningDay{20, 19, 21, 21, 21, 21, 21, 21, 21, 21, 21, 21};
constexpr std::array<Sign, 12> BeginsIn{
    Sign::Aquarius, Sign::Pisces, Sign::Aries, Sign::Taurus,  Sign::Gemini,      Sign::Cancer,
    Sign::Leo,      Sign::Virgo,  Sign::Libra, Sign::Scorpio, Sign::Sagittarius, Sign::Capricorn};

// The planet each sign, Aries first, reads. Scorpio, Aquarius and Pisces have two rulers, Pluto,
// Uranus and Neptune first: the reading is the archetype of the second.
constexpr auto ReadPlanet =
    std::to_array<Planet>({Planet::Mars, Planet::Venus, Planet::Mercury, Planet::Moon, Planet::Sun,
                           Planet::Mercury, Planet::Venus, Planet::Mars, Planet::Jupiter,
                           Planet::Saturn, Planet::Saturn, Planet::Jupiter});

// Rows shown in capitals: the ruling planet and its archetype.
constexpr std::size_t CapitalRows = 2;

} // namespace

ArchetypeReading::Rows ArchetypeReading::rows() const
{
    const PlanetArchetype &row = archetypeOf(planet);
    const std::array<QStringView, ReadingCaptions.size()> values{
        row.name,       row.archetype, row.alsoKnownAs, row.keywords, row.characteristics,
        row.ruledSigns, row.tarotCard, row.detriment};
    Rows rows;
    for (std::size_t index = 0; index < rows.size(); ++index) {
        const QString value = values[index].toString();
        rows[index] = {ReadingCaptions[index].toString(),
                       index < CapitalRows ? value.toUpper() : value};
    }
    return rows;
}

QString readingText(const ArchetypeReading &reading, ReadingText form)
{
    QStringList parts;
    for (const ArchetypeReading::Row &row : reading.rows()) {
        if (form == ReadingText::Lines) {
            parts << row.caption + u": "_s + row.value;
        } else {
            // A paragraph that ends its own sentence gets no second stop.
            const bool ends = row.value.endsWith(u'.') || row.value.endsWith(u'!');
            parts << row.caption + u", "_s + row.value + (ends ? u""_s : u"."_s);
        }
    }
    return form == ReadingText::Lines ? parts.join(u'\n') + u'\n' : parts.join(u' ');
}

namespace {

// The longest file name the usual file systems take, in bytes, and a saved reading's extension
// (".png", ".pdf").
constexpr qsizetype FileNameBytes = 255;
constexpr qsizetype ExtensionBytes = 4;

} // namespace

QString headingOf(const PersonalReading &personal)
{
    return personal.entry.shownName() + u", born "_s + personal.entry.birthDate() + u" - "_s +
           nameOf(personal.reading.sign).toString();
}

QString fileNameOf(const PersonalReading &personal)
{
    QString name = personal.entry.shownName();
    name.removeIf([](QChar c) { return QStringView(u"/\\:*?\"<>|").contains(c); });
    const QString planet = u" - "_s + archetypeOf(personal.reading.planet).name.toString();
    // Shortened, at a character's edge, so that the whole name fits.
    QByteArray bytes = name.toUtf8();
    if (const qsizetype room = FileNameBytes - ExtensionBytes - planet.toUtf8().size();
        bytes.size() > room) {
        qsizetype cut = room;
        while (cut > 0 && (uchar(bytes[cut]) & 0xc0) == 0x80)
            --cut;
        name = QString::fromUtf8(bytes.left(cut));
    }
    while (!name.isEmpty() && (name.front() == u' ' || name.front() == u'.'))
        name.remove(0, 1);
    while (!name.isEmpty() && (name.back() == u' ' || name.back() == u'.'))
        name.chop(1);
    return (name.isEmpty() ? identity::Title : name) + planet;
}

namespace readingengine {

std::optional<Sign> signOf(int day, int month)
{
    if (month < 1 || month > int(BeginsIn.size()))
        return std::nullopt;
    const Sign later = BeginsIn[std::size_t(month - 1)];
    const int signs = int(SignNames.size());
    return day >= TurningDay[std::size_t(month - 1)] ? later
                                                     : Sign((int(later) + signs - 1) % signs);
}

std::optional<ArchetypeReading> readingFor(int day, int month)
{
    const std::optional<Sign> sign = signOf(day, month);
    if (!sign)
        return std::nullopt;
    return ArchetypeReading{*sign, ReadPlanet[std::size_t(*sign)]};
}

} // namespace readingengine

} // namespace planetarch
