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
bool isNameCharacter(int characterCode);
// True when every character of a text (an input method's commit, say) is one the name box takes.
bool acceptsNameText(QStringView text);

// The character a key press types, as the name filter sees it: none for keys that only move,
// select or edit (arrows, Tab, Delete...), a control code for Enter, Escape, Backspace,
// Ctrl+Backspace (DEL, 127) and Ctrl+letter. Alt and Meta change nothing: a key typed with them
// inserts its character like any other. key is a Qt::Key, text what the key event carries.
std::optional<int> typedCharacter(int key, Qt::KeyboardModifiers modifiers, QStringView text);

enum class EntryVerdict {
    Valid,
    BlankName,         // name empty once its blanks are trimmed
    NoSuchFebruaryDay, // a February day the year lacks
    NoSuchThirtyFirst, // a day past the end of any other month (31 April, June, September,
                       // November)
};

// Checks the name, then whether the date exists in the Gregorian calendar (so 29 February 1900 does
// not); the first failure is the verdict. dayPosition and monthPosition count from 0, as the lists
// do.
EntryVerdict checkEntry(QStringView name, int dayPosition, int monthPosition, int year);

} // namespace planetarch
