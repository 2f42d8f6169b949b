// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT

// The rules start-up follows: the reminder asks exactly when a readable stored date lies more than
// 14 days from today, whatever the dates; a stamp, when one can be written, reads back as today;
// the settings folder is never the filesystem root or a relative path; the banner and the appeal
// follow the draw's number; a line is a raise request exactly when it reads back as the request its
// token makes.

#include "core/paths.h"
#include "core/raiserequest.h"
#include "core/randomdraw.h"
#include "core/reminder.h"
#include "fuzzcheck.h"

#include <QDir>

#include <cmath>

using namespace planetarch;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzzing::Input input(data, size);
    // Any day Qt can hold: Julian days from about 5.8 million years back to as far ahead.
    const QDate today = QDate::fromJulianDay(input.take<std::int32_t>() * 1000LL +
                                             input.take<std::uint16_t>() % 1000);
    const QTime time = QTime::fromMSecsSinceStartOfDay(input.take<std::uint32_t>() % 86400000);
    const float x = input.take<float>();
    const bool storedIsText = input.take<std::uint8_t>() & 1;
    const QString xdgValue = input.text();
    const QString home = input.text();
    const QString text = input.text();
    const QByteArray line = text.toLatin1();

    // The stored value: any text, or the stamp of another day.
    const std::optional<QString> stored =
        storedIsText ? std::optional(text)
                     : reminderStamp(QDateTime(today.addDays(input.take<std::int16_t>()), time));
    const ReminderAction action = reminderAction(stored, today);
    QDate last;
    if (stored) {
        const QDateTime stamp = QDateTime::fromString(*stored, Qt::ISODate);
        last = stamp.isValid() ? stamp.date() : QDate::fromString(*stored, Qt::ISODate);
    }
    if (!last.isValid())
        FUZZ_CHECK(action == ReminderAction::RecordOnly);
    else
        FUZZ_CHECK((action == ReminderAction::Ask) == (std::abs(today.daysTo(last)) > 14));

    const QDateTime now(today, time);
    if (const std::optional<QString> stamp = reminderStamp(now)) {
        FUZZ_CHECK(!stamp->isEmpty());
        FUZZ_CHECK(reminderAction(*stamp, today) == ReminderAction::Nothing);
    } else {
        FUZZ_CHECK(today.year() < 1 || today.year() > 9999 || !time.isValid());
    }

    if (const std::optional<QString> folder = paths::configFolder(xdgValue, home)) {
        FUZZ_CHECK(QDir::isAbsolutePath(*folder) && *folder != u"/");
        FUZZ_CHECK(folder->startsWith(QDir::cleanPath(xdgValue)) ||
                   *folder == QDir::cleanPath(home) + QStringLiteral("/.config"));
    } else {
        // Cleaned, HOME is no folder of its own: relative, a Qt resource path (":/..") or the root.
        const QString cleanHome = QDir::cleanPath(home);
        FUZZ_CHECK(!QDir::isAbsolutePath(cleanHome) || cleanHome.startsWith(u':') ||
                   cleanHome == u"/");
    }

    if (const std::optional<QByteArray> token = raiseToken(line))
        FUZZ_CHECK(raiseRequest(*token) == line + '\n');
    const QByteArray request = raiseRequest(line);
    FUZZ_CHECK(request.size() <= RaiseRequestLimit && raiseToken(request.chopped(1)));

    const bool fullBranding = randomdraw::showsFullBranding(x);
    if (x >= 0.0f && x < 1.0f)
        FUZZ_CHECK(fullBranding == (static_cast<int>(std::floor(x * 6.0 + 1.5)) % 2 == 0));
    else
        FUZZ_CHECK(!fullBranding); // clamped to 1 or 7
    const std::size_t appeal = randomdraw::pickOne(x, 4);
    if (x >= 0.0f && x < 1.0f)
        FUZZ_CHECK(appeal == static_cast<std::size_t>(x * 4.0f));
    FUZZ_CHECK(appeal <= 3);
    return 0;
}
