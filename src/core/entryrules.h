// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>
#include <QStringView>
#include <Qt>

#include <optional>

namespace planetarch {

// The items of the three birth-date lists, in list order.
QStringList dayItems();   // "1" ... "31"
QStringList monthItems(); // "January" ... "December"
QStringList yearItems();  // "1900" ... "2050"

// The item that typing picks in a closed list: the first whose text starts with what was typed
// (ignoring case), searched from the chosen item on and wrapping around. A search just begun (one
// character) starts after the chosen item, so typing "1" again moves on; a longer one starts at it,
// so "19" then "199" stays while it still matches. -1 when nothing matches.
int searchItems(const QStringList &items, QStringView typed, int chosen);

// The name box takes plain Latin letters, the blank and backspace; every other typed character
// (digits, punctuation, Enter, control characters, anything from code 128 up) is refused.
bool isNameCharacter(char32_t character);
// True when every character of a text (an input method's commit, say) is one the name box takes.
bool acceptsNameText(QStringView text);

// The character a key press types, as the name filter sees it: none for keys that only move,
// select or edit (arrows, Tab, Delete...), a control character for Enter, Escape, Backspace,
// Ctrl+Backspace (DEL) and Ctrl+letter. Alt and Meta change nothing: a key typed with them
// inserts its character like any other. key is a Qt::Key, text what the key event carries.
std::optional<char32_t> typedCharacter(int key, Qt::KeyboardModifiers modifiers, QStringView text);

// What the user entered, read once from the window and carried to every view of the reading: the
// name as typed, the date as picked, counted as the calendar counts (day 1 to 31, month 1 to 12).
struct Entry
{
    QString name;
    int day = 1;
    int month = 1;
    int year = 1900;

    // The name as every view shows it: without control and format characters (a right-to-left
    // override would make it show as something it is not), without line and paragraph separators
    // (which would break a heading over lines) and without blanks at either end.
    QString shownName() const;
    // "1 November 1980", in the lists' own words.
    QString birthDate() const;
    bool operator==(const Entry &) const = default;
};

enum class EntryVerdict {
    Valid,
    BlankName,         // nothing shown of the name
    NoSuchFebruaryDay, // a February day the year lacks
    NoSuchThirtyFirst, // a day past the end of any other month (31 April, June...)
};

// Checks the name, then whether the date exists in the Gregorian calendar (so 29 February 1900 does
// not); the first failure is the verdict.
EntryVerdict checkEntry(const Entry &entry);

} // namespace planetarch
