// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT

// Readings of any day and month position (one of the twelve or any other number): a real month
// gives its sign and a reading of the sign's last ruler; a position that is no month gives none.

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

        const std::optional<Sign> sign = readingengine::signOf(day, month);
        FUZZ_CHECK(sign.has_value() == (month >= 0 && month < 12));
        const std::optional<ArchetypeReading> shown = readingengine::readingFor(day, month);
        FUZZ_CHECK(shown.has_value() == sign.has_value());
        if (!sign)
            continue;
        // The sign of a month is one of two, turning at most once within it.
        FUZZ_CHECK(readingengine::signOf(1, month) == sign ||
                   readingengine::signOf(31, month) == sign);
        const QList<Planet> rulers = readingengine::rulersOf(*sign);
        FUZZ_CHECK(!rulers.isEmpty() && rulers.size() <= 2);
        // The reading is the last ruler's, the planet's name in capitals first.
        FUZZ_CHECK(shown->sign == *sign && shown->planet == rulers.last());
        const auto rows = shown->rows();
        FUZZ_CHECK(rows[0].value == archetypeOf(rulers.last()).name.toString().toUpper());
        FUZZ_CHECK(rows[1].value == archetypeOf(rulers.last()).archetype.toString().toUpper());
    }
    return 0;
}
