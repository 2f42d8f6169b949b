// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace planetarch {

// The settings file as plain text, in the INI form QSettings writes ("[Group]" lines, then
// "Key=value" lines): read and written here without QVariant, whose serialised values
// ("@Variant(...)") a damaged file could make arbitrarily deep. It is handled as bytes, so that
// whatever other lines hold (text in any encoding, a byte-order mark) is written back as it was.
namespace settingstext {

// A larger file is damaged: nothing is read from it, and writing a value replaces it. Nothing
// larger is ever written.
constexpr qsizetype SizeLimit = 64 * 1024;

// The value of key in group, as written (blanks around it trimmed), or nothing.
std::optional<QByteArray> value(QByteArrayView text, QByteArrayView group, QByteArrayView key);

// The text with key in group set to value: its line rewritten, or added at the end of its group,
// or the group added at the end; every other byte kept as it was. A value holds no line break.
QByteArray withValue(QByteArrayView text, QByteArrayView group, QByteArrayView key,
                     QByteArrayView value);

} // namespace settingstext

} // namespace planetarch
