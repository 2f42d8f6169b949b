// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "core/startuprules.h"

#include <QDir>

#include <algorithm>
#include <cmath>
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

// Judged cleaned: Qt calls ":/.." absolute (a resource path), and cleans it to ".".
bool isUsableFolder(QStringView folder)
{
    const QString path = QDir::cleanPath(folder.toString());
    return QDir::isAbsolutePath(path) && !path.startsWith(u':') && path != u"/";
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

std::optional<QString> userFolder(QStringView xdgValue, QStringView home, QStringView belowHome)
{
    if (isUsableFolder(xdgValue))
        return QDir::cleanPath(xdgValue.toString());
    if (isUsableFolder(home))
        return QDir::cleanPath(home.toString()) + u'/' + belowHome.toString();
    return std::nullopt;
}

int coBrandNumber(float x)
{
    // Clamped before the conversion, as for any float that may lie outside int's range.
    const double clamped = std::clamp(std::isnan(x) ? 0.0 : static_cast<double>(x), 0.0, 1.0);
    return static_cast<int>(std::floor(clamped * 6.0 + 1.0 + 0.5));
}

BannerChoice bannerChoice(int number)
{
    switch (number) {
    case 2:
    case 4:
    case 6:
        return BannerChoice::FullBrand;
    case 1:
    case 3:
    case 5:
        return BannerChoice::CoBrand;
    default:
        return BannerChoice::AsBuilt;
    }
}

std::optional<QString> displayProblem(QStringView platforms, QStringView display,
                                      QStringView waylandDisplay)
{
    bool wantsX = false;
    bool wantsWayland = false;
    const auto entries = platforms.split(u';');
    for (const QStringView entry : entries) {
        const QStringView name = entry.left(entry.indexOf(u':')).trimmed();
        const bool x = name.isEmpty() || name == u"xcb";
        const bool wayland = name.isEmpty() || name.startsWith(u"wayland");
        if (!x && !wayland)
            return std::nullopt; // a platform that needs no display
        if ((x && !display.isEmpty()) || (wayland && !waylandDisplay.isEmpty()))
            return std::nullopt;
        wantsX = wantsX || x;
        wantsWayland = wantsWayland || wayland;
    }
    const QString missing = wantsX && wantsWayland ? QStringLiteral("DISPLAY or WAYLAND_DISPLAY")
                            : wantsX               ? QStringLiteral("DISPLAY")
                                                   : QStringLiteral("WAYLAND_DISPLAY");
    return QStringLiteral("planetarch: no display found: start it from a desktop session (%1 is "
                          "not set)")
        .arg(missing);
}

namespace {

constexpr QByteArrayView RaiseWord = "RAISE";

bool usableToken(QByteArrayView token)
{
    return !token.isEmpty() && token.size() <= 200 &&
           std::all_of(token.begin(), token.end(), [](char c) { return c > ' ' && c < 0x7f; });
}

} // namespace

QByteArray raiseRequest(QByteArrayView token)
{
    QByteArray request = RaiseWord.toByteArray();
    if (usableToken(token))
        request += ' ' + token.toByteArray();
    return request + '\n';
}

std::optional<QByteArray> raiseToken(QByteArrayView line)
{
    if (line == RaiseWord)
        return QByteArray();
    if (line.startsWith(RaiseWord) && line.size() > RaiseWord.size() + 1 &&
        line[RaiseWord.size()] == ' ' && usableToken(line.sliced(RaiseWord.size() + 1)))
        return line.sliced(RaiseWord.size() + 1).toByteArray();
    return std::nullopt;
}

} // namespace planetarch
