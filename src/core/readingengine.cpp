// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "core/readingengine.h"

#include "core/text.h"

#include <QStringList>

namespace planetarch {

using namespace Qt::StringLiterals;

namespace {

// The day from which each month, by position, gives the later of its two signs: the sign that
// begins in it. Every month from March on turns on the 21st, not on the astronomical dates.
constexpr std::array<int, 12> TurningDay{20, 19, 21, 21, 21, 21, 21, 21, 21, 21, 21, 21};
constexpr std::array<Sign, 12> BeginsIn{
    Sign::Aquarius, Sign::Pisces, Sign::Aries, Sign::Taurus,  Sign::Gemini,      Sign::Cancer,
    Sign::Leo,      Sign::Virgo,  Sign::Libra, Sign::Scorpio, Sign::Sagittarius, Sign::Capricorn};

struct Rulers
{
    Planet first;
    std::optional<Planet> second;
};

// By sign, Aries to Pisces.
constexpr std::array<Rulers, SignCount> SignRulers{{{Planet::Mars, {}},
                                                    {Planet::Venus, {}},
                                                    {Planet::Mercury, {}},
                                                    {Planet::Moon, {}},
                                                    {Planet::Sun, {}},
                                                    {Planet::Mercury, {}},
                                                    {Planet::Venus, {}},
                                                    {Planet::Pluto, Planet::Mars},
                                                    {Planet::Jupiter, {}},
                                                    {Planet::Saturn, {}},
                                                    {Planet::Uranus, Planet::Saturn},
                                                    {Planet::Neptune, Planet::Jupiter}}};

constexpr std::array<QStringView, ArchetypeReading::RowCount> Captions{
    u"Ruling Planet", u"Planetary Archetype", u"Also Known As", u"Keywords", u"Characteristics",
    u"Ruler",         u"Tarot Card",          u"Detriment"};

} // namespace

std::array<ArchetypeReading::Row, ArchetypeReading::RowCount> ArchetypeReading::rows() const
{
    const PlanetArchetype &row = archetypeOf(planet);
    const std::array<QStringView, RowCount> values{
        row.name,       row.archetype, row.alsoKnownAs, row.keywords, row.characteristics,
        row.ruledSigns, row.tarotCard, row.detriment};
    std::array<Row, RowCount> rows;
    for (std::size_t index = 0; index < rows.size(); ++index)
        rows[index] = {Captions[index].toString(),
                       index < 2 ? values[index].toString().toUpper() : values[index].toString()};
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

// What the user typed, without control and format characters: a right-to-left override (U+202E)
// would make a name, or a file name, show as something it is not.
QString shownName(QStringView name)
{
    QList<uint> points = name.toUcs4();
    points.removeIf([](uint point) {
        const QChar::Category category = QChar::category(char32_t(point));
        return category == QChar::Other_Control || category == QChar::Other_Format;
    });
    return QString::fromUcs4(reinterpret_cast<const char32_t *>(points.constData()), points.size());
}

// The longest file name the usual file systems take, in bytes, and a saved reading's extension
// (".png", ".pdf").
constexpr qsizetype FileNameBytes = 255;
constexpr qsizetype ExtensionBytes = 4;

} // namespace

QString headingOf(const PersonalReading &personal)
{
    return trimBlanks(shownName(personal.name)) + u", born "_s + personal.birthDate + u" - "_s +
           nameOf(personal.reading.sign).toString();
}

QString fileNameOf(const PersonalReading &personal)
{
    QString name = shownName(personal.name);
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
    return (name.isEmpty() ? u"Planetarch"_s : name) + planet;
}

namespace readingengine {

std::optional<Sign> signOf(int day, int monthPosition)
{
    if (monthPosition < 0 || monthPosition >= int(BeginsIn.size()))
        return std::nullopt;
    const auto month = static_cast<std::size_t>(monthPosition);
    const Sign later = BeginsIn[month];
    return day >= TurningDay[month] ? later : Sign((int(later) + SignCount - 1) % SignCount);
}

QList<Planet> rulersOf(Sign sign)
{
    const Rulers &rulers = SignRulers[static_cast<std::size_t>(sign)];
    if (rulers.second)
        return {rulers.first, *rulers.second};
    return {rulers.first};
}

std::optional<ArchetypeReading> readingFor(int day, int monthPosition)
{
    const std::optional<Sign> sign = signOf(day, monthPosition);
    if (!sign)
        return std::nullopt;
    // Each ruler fills the panel in turn: what stays is the last.
    return ArchetypeReading{*sign, rulersOf(*sign).last()};
}

} // namespace readingengine

} // namespace planetarch
