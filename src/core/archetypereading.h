// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <array>

namespace planetarch {

// One reading as the result panel shows it: the birth date's sign (never shown), the planet whose
// archetype it is, and the panel's eight rows in order, each a caption and its value ("Ruling
// Planet", "MARS"). Every view of a reading (the panel, the clipboard, a screen reader, a saved
// picture or page, a printer) is drawn from this value; readingengine::readingFor() makes it.
struct ArchetypeReading
{
    struct Row
    {
        QString caption;
        QString value;
        bool operator==(const Row &) const = default;
    };
    static constexpr int RowCount = 8;

    QString sign;        // "Scorpio"
    int planetIndex = 0; // the row of the archetype table, and the planet's picture
    std::array<Row, RowCount> rows;

    // "Mars"
    const QString &planetName() const;
    bool operator==(const ArchetypeReading &) const = default;
};

// The reading as text, in one of the two forms the program hands on.
enum class ReadingText {
    Lines,     // "Ruling Planet: MARS", a line each, for the clipboard
    Sentences, // "Ruling Planet, MARS. Planetary Archetype, ...", for a screen reader
};
QString readingText(const ArchetypeReading &reading, ReadingText form);

} // namespace planetarch
