// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT

// Readings of any day and month (one of the twelve or any other number): a real month gives its
// sign and its reading, the planet's name and archetype first; a number that is no month gives
// none.

#include "core/readingengine.h"
#include "fuzzcheck.h"

using namespace planetarch;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzzing::Input input(data, size);
    for (int reading = 0; reading < 8 && !input.empty(); ++reading) {
        const int day = input.take<std::uint8_t>() % 33; // 0 and 32 too: nothing checks them
        const auto choice = input.take<std::uint8_t>();
        const int month = choice < 200 ? 1 + choice % 12 : int(input.take<std::int32_t>());

        const std::optional<Sign> sign = readingengine::signOf(day, month);
        FUZZ_CHECK(sign.has_value() == (month >= 1 && month <= 12));
        const std::optional<ArchetypeReading> shown = readingengine::readingFor(day, month);
        FUZZ_CHECK(shown.has_value() == sign.has_value());
        if (!sign)
            continue;
        // The sign of a month is one of two, turning at most once within it.
        FUZZ_CHECK(readingengine::signOf(1, month) == sign ||
                   readingengine::signOf(31, month) == sign);
        const PlanetArchetype &planet = archetypeOf(shown->planet);
        FUZZ_CHECK(shown->sign == *sign);
        const auto rows = shown->rows();
        FUZZ_CHECK(rows[0].value == planet.name.toString().toUpper());
        FUZZ_CHECK(rows[1].value == planet.archetype.toString().toUpper());
    }
    return 0;
}
