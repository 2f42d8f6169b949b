// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT

// Readings of any day and month position (one of the twelve or any other number): a real month
// gives its sign's rulers, found in the table under their own names, and a reading of the last
// of them; a position that is no month gives none.

#include "core/readingengine.h"
#include "fuzzcheck.h"

using namespace planetarch;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzzing::Input input(data, size);
    for (int reading = 0; reading < 8 && !input.empty(); ++reading) {
        const int day = input.take<std::uint8_t>() % 33; // 0 and 32 too: nothing checks them
        const auto choice = input.take<std::uint8_t>();
        const int month = choice < 200 ? choice % 12 : int(input.take<std::int32_t>());

        const std::optional<QString> sign = readingengine::signOfBirthDate(day, month);
        FUZZ_CHECK(sign.has_value() == (month >= 0 && month < 12));
        const QList<RulerMatch> matches = readingengine::resolveReading(day, month);
        const std::optional<ArchetypeReading> shown = readingengine::readingFor(day, month);
        FUZZ_CHECK(shown.has_value() == sign.has_value());
        if (!sign) {
            FUZZ_CHECK(matches.isEmpty());
            continue;
        }
        // The sign of a month is one of two, turning at most once within it.
        FUZZ_CHECK(readingengine::signOfBirthDate(1, month) == sign ||
                   readingengine::signOfBirthDate(31, month) == sign);
        FUZZ_CHECK(!matches.isEmpty() && matches.size() <= 2);
        // Every match is the ruler's own row, in the order of the rulers.
        const RulingPlanets rulers = readingengine::rulersOfSign(*sign);
        FUZZ_CHECK(!rulers[0].isEmpty());
        int slot = 0;
        for (const RulerMatch &match : matches) {
            FUZZ_CHECK(match.planetIndex >= 0 && match.planetIndex < PlanetCount);
            FUZZ_CHECK(ArchetypeTable::row(match.planetIndex).planetName == match.ruler);
            while (slot < 2 && rulers[static_cast<std::size_t>(slot)] != match.ruler)
                ++slot;
            FUZZ_CHECK(slot < 2);
            ++slot;
        }
        // The reading is the last ruler's, the planet's name in capitals first.
        FUZZ_CHECK(shown->sign == *sign && shown->planetIndex == matches.last().planetIndex);
        FUZZ_CHECK(shown->rows[0].value == matches.last().ruler.toUpper());
        FUZZ_CHECK(shown->rows[1].value ==
                   ArchetypeTable::row(shown->planetIndex).archetype.toUpper());
    }
    return 0;
}
