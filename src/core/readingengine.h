// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

// The archetype engine. A reading goes: birth day and month -> sign (signOf) -> the planet whose
// archetype the sign reads (readingFor). Nothing is kept from one reading to the next.

#include "core/archetypetable.h"
#include "core/entryrules.h"

#include <QString>

#include <array>
#include <optional>

namespace planetarch {

// The captions of a reading's rows, in the panel's order.
inline constexpr auto ReadingCaptions = std::to_array<QStringView>(
    {u"Ruling Planet", u"Planetary Archetype", u"Also Known As", u"Keywords", u"Characteristics",
     u"Ruler", u"Tarot Card", u"Detriment"});

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
    using Rows = std::array<Row, ReadingCaptions.size()>;

    Sign sign;
    Planet planet;

    Rows rows() const;
    bool operator==(const ArchetypeReading &) const = default;
};

// A reading as it is taken along (copied, saved, printed), with the entry it was made from.
struct PersonalReading
{
    Entry entry;
    ArchetypeReading reading;
    bool operator==(const PersonalReading &) const = default;
};

// "Ann, born 1 November 1980 - Scorpio": the heading of every reading taken along.
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

// day is 1 to 31, month 1 (January) to 12; any other month gives no sign.
std::optional<Sign> signOf(int day, int month);

// The reading of one accepted entry; nothing for a month outside the twelve.
std::optional<ArchetypeReading> readingFor(int day, int month);

} // namespace readingengine

} // namespace planetarch
