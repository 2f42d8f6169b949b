// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "core/reminder.h"

#include <cstdlib>

namespace planetarch {

namespace {

constexpr qint64 QuietDays = 14;

std::optional<QDate> storedDate(const QString &text)
{
    const QDateTime stamp = QDateTime::fromString(text, Qt::ISODate);
    const QDate date = stamp.isValid() ? stamp.date() : QDate::fromString(text, Qt::ISODate);
    return date.isValid() ? std::optional(date) : std::nullopt;
}

} // namespace

ReminderAction reminderAction(const std::optional<QString> &stored, const QDate &today)
{
    const std::optional<QDate> last = stored ? storedDate(*stored) : std::nullopt;
    if (!last)
        return ReminderAction::RecordOnly;
    return std::abs(today.daysTo(*last)) <= QuietDays ? ReminderAction::Nothing
                                                      : ReminderAction::Ask;
}

std::optional<QString> reminderStamp(const QDateTime &now)
{
    QString stamp = now.toString(Qt::ISODate);
    if (stamp.isEmpty() || QDateTime::fromString(stamp, Qt::ISODate).date() != now.date())
        return std::nullopt;
    return stamp;
}

} // namespace planetarch
