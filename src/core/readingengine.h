// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

// The archetype engine. A reading goes: birth day and month -> sign (signOf) -> the sign's one or
// two ruling planets (rulersOf) -> the last of them is the reading (readingFor): for Scorpio,
// Aquarius and Pisces the second ruler. Nothing is kept from one reading to the next.

#include "core/archetypetable.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace planetarch {

// One reading as the result panel shows it: the birth date's sign, the planet whose archetype it
// is, and from that the panel's eight rows in order, each a caption and its value ("Ruling Planet",
// "MARS"). Every view of a reading (the panel, the clipboard, a screen reader, a saved picture or
// page, a printer) is drawn from this value.
struct ArchetypeReading
{
    struct Row
    {
        QString caption;
        QString value;
        bool operator==(const Row &) const = default;
    };
    static constexpr int RowCount = 8;

    Sign sign;
    Planet planet;

    std::array<Row, RowCount> rows() const;
    bool operator==(const ArchetypeReading &) const = default;
};

// A reading as it is taken along (copied, saved, printed): whose it is, with the name as typed and
// the date of birth as picked in the lists.
struct PersonalReading
{
    QString name;      // "Ann"
    QString birthDate; // "1 November 1980"
    ArchetypeReading reading;
    bool operator==(const PersonalReading &) const = default;
};

// "Ann, born 1 November 1980 - Scorpio": the heading of every reading taken along. Neither it nor
// the file name holds a control or format character of the name.
QString headingOf(const PersonalReading &personal);

// "Ann - Mars": the name a saved reading is offered under, without its extension. What a file name
// cannot hold on any system (/ \ : * ? " < > |) is left out, as are blanks and dots at either
// end; the name is shortened so that the whole, with ".png" or ".pdf", fits 255 bytes; a name
// with nothing left gives "Planetarch - Mars".
QString fileNameOf(const PersonalReading &personal);

// The reading as text, in one of the two forms the program hands on.
enum class ReadingText {
    Lines,     // "Ruling Planet: MARS", a line each, for the clipboard
    Sentences, // "Ruling Planet, MARS. Planetary Archetype, ...", for a screen reader
};
QString readingText(const ArchetypeReading &reading, ReadingText form);

namespace readingengine {

// day is 1 to 31; monthPosition is the month's place in the year counted from 0, as the month
// list counts (0 January ... 11 December). Any other position gives no sign.
std::optional<Sign> signOf(int day, int monthPosition);

// The sign's rulers, the first first.
QList<Planet> rulersOf(Sign sign);

// The reading of one accepted entry: the sign's last ruler; nothing for a month position outside
// the twelve.
std::optional<ArchetypeReading> readingFor(int day, int monthPosition);

} // namespace readingengine

} // namespace planetarch
