// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

namespace planetarch {

// The update reminder asks at most once a fortnight. The stored value is the date and time it last
// asked (or first ran), as ISO 8601 text.
enum class ReminderAction {
    RecordOnly, // nothing usable is stored: remember now, ask nothing
    Nothing,    // asked within 14 days either way of today
    Ask,        // ask, then remember now whatever the answer
};

// Only calendar dates count: the stored date minus today, in days, from -14 to 14 is quiet.
// A stored text that is no date is treated like no value at all, so a damaged store heals itself.
// Any two dates Qt can represent give the right answer, however far apart.
ReminderAction reminderAction(const std::optional<QString> &stored, const QDate &today);

// The text stored for now, or nothing when now has no ISO 8601 form that reads back (a clock set
// before year 1 or after 9999): such a stamp is not written, as if the store were missing.
std::optional<QString> reminderStamp(const QDateTime &now);

// Whether a window can open at all, decided before Qt is asked (Qt ends the process with an abort,
// and a core dump, when its display platform has nothing to connect to). platforms is what Qt will
// try: the -platform option or QT_QPA_PLATFORM, a ";" list of names (with ":" arguments), empty for
// its default; display and waylandDisplay are DISPLAY and WAYLAND_DISPLAY. xcb needs DISPLAY, a
// wayland platform WAYLAND_DISPLAY, the default either; any other platform (offscreen, vnc,
// eglfs...) needs neither. The line to print when none of them can work, else nothing.
std::optional<QString> displayProblem(QStringView platforms, QStringView display,
                                      QStringView waylandDisplay);

// A per-user folder (configuration, cache): the XDG variable's folder when it names an absolute
// one, else the given folder below HOME when HOME does; never the filesystem root or a relative
// folder, so with no usable home there is none. xdgValue is XDG_CONFIG_HOME or XDG_CACHE_HOME,
// belowHome ".config" or ".cache".
std::optional<QString> userFolder(QStringView xdgValue, QStringView home, QStringView belowHome);

// The banner draw: x in [0, 1) gives round(x * 6 + 1), halves rounding up, so 1 to 7.
int coBrandNumber(float x);

enum class BannerChoice { FullBrand, CoBrand, AsBuilt };
// 2, 4 and 6 raise the full-branding offer, 1, 3 and 5 the co-branding one; 7 leaves the strip
// as built (co-branding in front).
BannerChoice bannerChoice(int coBrandNumber);

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
