// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT

// A run of readings, each a day and a month position (one of the twelve or any other number):
// every reading of a real month ends on the sign's rulers, found in the table under their own
// names; a position that is no month keeps the sign and the rulers of the reading before.

#include "core/readingengine.h"
#include "fuzzcheck.h"

using namespace planetarch;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzzing::Input input(data, size);
    ReadingEngine engine;
    for (int reading = 0; reading < 8 && !input.empty(); ++reading) {
        const int day = input.take<std::uint8_t>() % 33; // 0 and 32 too: nothing checks them
        const auto choice = input.take<std::uint8_t>();
        const int month = choice < 200 ? choice % 12 : int(input.take<std::int32_t>());

        const QString signBefore = engine.currentSign();
        const RulingPlanets rulersBefore = engine.rulingPlanets();
        const std::optional<QString> sign = ReadingEngine::signOfBirthDate(day, month);
        FUZZ_CHECK(sign.has_value() == (month >= 0 && month < 12));
        const QList<RulerMatch> matches = engine.resolveReading(day, month);

        if (sign) {
            FUZZ_CHECK(engine.currentSign() == *sign);
            // The sign of a month is one of two, turning at most once within it.
            FUZZ_CHECK(ReadingEngine::signOfBirthDate(1, month) == sign ||
                       ReadingEngine::signOfBirthDate(31, month) == sign);
            FUZZ_CHECK(!matches.isEmpty() && matches.size() <= 2);
        } else {
            FUZZ_CHECK(engine.currentSign() == signBefore);
            FUZZ_CHECK(engine.rulingPlanets() == rulersBefore);
        }
        // Every match is the ruler's own row, in the order of the rulers.
        const RulingPlanets &rulers = engine.rulingPlanets();
        FUZZ_CHECK(!rulers[0].isEmpty() || engine.currentSign().isEmpty());
        int slot = 0;
        for (const RulerMatch &match : matches) {
            FUZZ_CHECK(match.planetIndex >= 0 && match.planetIndex < PlanetCount);
            FUZZ_CHECK(ArchetypeTable::row(match.planetIndex).planetName == match.ruler);
            while (slot < 2 && rulers[static_cast<std::size_t>(slot)] != match.ruler)
                ++slot;
            FUZZ_CHECK(slot < 2);
            ++slot;
        }
        for (const QString &ruler : rulers)
            FUZZ_CHECK(ruler.isEmpty() || ReadingEngine::findPlanet(ruler).has_value());
    }
    return 0;
}
