// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

// How much text the program takes and hands on. Bounded input keeps a paste from freezing a
// window (laying out a megabyte on one line takes minutes) and keeps every address the program
// builds short enough for a browser's command line.
namespace planetarch::limits {

// A name or an e-mail address, typed or pasted (an e-mail address has at most 254 characters).
inline constexpr int NameLength = 254;
// The refer-a-friend message.
inline constexpr int MessageLength = 2000;
// The longest web address handed to the browser. Linux allows one argument 128 KiB; the longest
// refer-a-friend address the bounded fields can make is about 27,300 characters.
inline constexpr qsizetype AddressLength = 32768;

} // namespace planetarch::limits
