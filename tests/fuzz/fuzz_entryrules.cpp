// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT

// The entry rules against what they promise: the name filter takes exactly A-Z, a-z, blank and
// backspace; the check refuses a name that shows nothing first and otherwise exactly the dates the
// Gregorian calendar lacks; trimming takes blanks off the ends and nothing else.

#include "core/entryrules.h"
#include "core/text.h"
#include "fuzzcheck.h"

#include <QDate>

using namespace planetarch;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzzing::Input input(data, size);
    const int day = 1 + input.take<std::uint8_t>() % 31;
    const int month = 1 + input.take<std::uint8_t>() % 12;
    const int year = 1900 + input.take<std::uint16_t>() % 151;
    const auto key = input.take<std::uint32_t>();
    const auto modifiers = Qt::KeyboardModifiers(input.take<std::uint32_t>() & 0x1e000000);
    const QString name = input.text();

    // Trimming.
    const QString trimmed = trimBlanks(name);
    FUZZ_CHECK(!trimmed.startsWith(u' ') && !trimmed.endsWith(u' '));
    FUZZ_CHECK(name.contains(trimmed));
    FUZZ_CHECK(trimBlanks(trimmed) == trimmed);
    FUZZ_CHECK(QString(name).remove(u' ').size() == QString(trimmed).remove(u' ').size());

    // The check, and the name every view shows: a part of the name, with no blank at either end.
    const Entry entry{name, day, month, year};
    const QString shown = entry.shownName();
    FUZZ_CHECK(!shown.startsWith(u' ') && !shown.endsWith(u' '));
    FUZZ_CHECK(shown.size() <= trimmed.size());
    FUZZ_CHECK(!shown.contains(QChar::LineSeparator) && !shown.contains(QChar::ParagraphSeparator));
    const EntryVerdict verdict = checkEntry(entry);
    if (shown.isEmpty()) {
        FUZZ_CHECK(verdict == EntryVerdict::BlankName);
    } else {
        const bool exists = QDate(year, month, day).isValid();
        FUZZ_CHECK((verdict == EntryVerdict::Valid) == exists);
        if (!exists)
            FUZZ_CHECK(verdict == (month == 2 ? EntryVerdict::NoSuchFebruaryDay
                                              : EntryVerdict::NoSuchThirtyFirst));
    }

    // The name filter, character by character and for a whole text.
    bool allTaken = true;
    const QList<uint> codes = name.toUcs4();
    for (uint code : codes) {
        const bool taken =
            (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') || code == 8 || code == 32;
        FUZZ_CHECK(isNameCharacter(char32_t(code)) == taken);
        allTaken = allTaken && taken;
    }
    FUZZ_CHECK(acceptsNameText(name) == allTaken);

    // Key presses: keys that only move or edit type nothing; Ctrl+letter is its control code;
    // with no Ctrl the first character of the text is what is typed.
    const int qtKey = static_cast<int>(key % 0x01300000);
    const std::optional<char32_t> typed = typedCharacter(qtKey, modifiers, name);
    if (qtKey == Qt::Key_Tab || qtKey == Qt::Key_Backtab || qtKey == Qt::Key_Delete)
        FUZZ_CHECK(!typed);
    else if ((modifiers & Qt::ControlModifier) && qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        FUZZ_CHECK(typed == char32_t(qtKey - Qt::Key_A + 1));
    else if (qtKey == Qt::Key_Backspace)
        FUZZ_CHECK(typed == ((modifiers & Qt::ControlModifier) ? 127u : 8u));
    else if (qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter)
        FUZZ_CHECK(typed == 13u);
    else if (qtKey == Qt::Key_Escape)
        FUZZ_CHECK(typed == 27u);
    else if (!(modifiers & Qt::ControlModifier))
        FUZZ_CHECK(typed ==
                   (name.isEmpty() ? std::nullopt : std::optional<char32_t>(codes.value(0))));
    else
        FUZZ_CHECK(!typed);
    return 0;
}
