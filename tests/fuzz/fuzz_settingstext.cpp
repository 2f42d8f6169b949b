// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT

// The settings text, whatever a damaged file holds: a value set reads back as set, every other
// group's keys keep their values, and setting the same value again changes nothing more.

#include "core/settingstext.h"
#include "fuzzcheck.h"

using namespace planetarch;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzzing::Input input(data, size);
    const QString group = QStringLiteral("UpdateReminder");
    const QString key = QStringLiteral("LastAsked");
    // A value as the program writes one: no line break, no blanks around it.
    const QString value = input.text().remove(u'\n').remove(u'\r').trimmed();
    const QString otherKey = input.text().remove(u'\n').remove(u'\r').remove(u'=').trimmed();
    const QString text = input.text();

    const std::optional<QString> otherBefore =
        otherKey.isEmpty() || otherKey.startsWith(u'[')
            ? std::nullopt
            : settingstext::value(text, QStringLiteral("Other"), otherKey);
    const QString written = settingstext::withValue(text, group, key, value);
    FUZZ_CHECK(settingstext::value(written, group, key) == value);
    if (otherBefore)
        FUZZ_CHECK(settingstext::value(written, QStringLiteral("Other"), otherKey) == otherBefore);
    const QString again = settingstext::withValue(written, group, key, value);
    FUZZ_CHECK(again.size() <= written.size());
    FUZZ_CHECK(settingstext::value(again, group, key) == value);
    return 0;
}
