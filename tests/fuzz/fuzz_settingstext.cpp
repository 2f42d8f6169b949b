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
    const QByteArray group = "UpdateReminder";
    const QByteArray key = "LastAsked";
    // A value as the program writes one: no line break, no blanks around it.
    const QByteArray value = input.bytes().replace('\n', "").replace('\r', "").trimmed();
    const QByteArray otherKey =
        input.bytes().replace('\n', "").replace('\r', "").replace('=', "").trimmed();
    const QByteArray text = input.bytes(); // any bytes: a damaged file, another encoding

    const std::optional<QByteArray> otherBefore =
        otherKey.isEmpty() || otherKey.startsWith('[')
            ? std::nullopt
            : settingstext::value(text, "Other", otherKey);
    const QByteArray written = settingstext::withValue(text, group, key, value);
    FUZZ_CHECK(settingstext::value(written, group, key) == value);
    if (otherBefore)
        FUZZ_CHECK(settingstext::value(written, "Other", otherKey) == otherBefore);
    const QByteArray again = settingstext::withValue(written, group, key, value);
    FUZZ_CHECK(again.size() <= written.size());
    FUZZ_CHECK(settingstext::value(again, group, key) == value);
    return 0;
}
