// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

#include <optional>

namespace planetarch {

// The one request a second copy sends the running one through the single-instance socket: bring
// your window forward. It carries the desktop's activation token (XDG_ACTIVATION_TOKEN, which a
// Wayland compositor asks for before it hands over the focus) when there is a usable one: 1 to 200
// printable ASCII characters without blanks. "RAISE\n" or "RAISE <token>\n".
QByteArray raiseRequest(QByteArrayView token);
// The longest request, newline included: a caller that has sent this much without one is cut off.
inline constexpr qsizetype RaiseRequestLimit = 256;
// The token of a request line (without its newline), empty when it has none; nothing for any line
// that is not a request.
std::optional<QByteArray> raiseToken(QByteArrayView line);

} // namespace planetarch
