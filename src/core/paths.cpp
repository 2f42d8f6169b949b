// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "core/paths.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>

namespace planetarch::paths {

namespace {

// Judged cleaned: Qt calls ":/.." absolute (a resource path), and cleans it to ".".
bool isUsableFolder(QStringView folder)
{
    const QString path = QDir::cleanPath(folder.toString());
    return QDir::isAbsolutePath(path) && !path.startsWith(u':') && path != u"/";
}

} // namespace

std::optional<QString> configFolder(QStringView xdgConfigHome, QStringView home)
{
    if (isUsableFolder(xdgConfigHome))
        return QDir::cleanPath(xdgConfigHome.toString());
    if (isUsableFolder(home))
        return QDir::cleanPath(home.toString()) + QStringLiteral("/.config");
    return std::nullopt;
}

QString windowsRefusal(QStringView path)
{
    constexpr qsizetype LongestPath = 259; // MAX_PATH, less its terminator
    if (path.size() > LongestPath)
        return QStringLiteral("The path is longer than Windows allows (%1 characters).")
            .arg(LongestPath);
    const QStringView name =
        path.sliced(std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\')) + 1);
    if (name.endsWith(u'.') || name.endsWith(u' '))
        return QStringLiteral("Windows does not keep a dot or a blank at the end of a name.");
    const QString device = name.left(name.indexOf(u'.')).trimmed().toString().toUpper();
    static const QRegularExpression Devices(
        QStringLiteral("^(CON|PRN|AUX|NUL|(COM|LPT)[0-9\u00b9\u00b2\u00b3])$"));
    if (Devices.match(device).hasMatch())
        return QStringLiteral("Windows keeps this name for a device.");
    return {};
}

} // namespace planetarch::paths
