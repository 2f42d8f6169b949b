// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

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

} // namespace planetarch
