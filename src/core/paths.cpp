// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "core/paths.h"

#include <QDir>

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

} // namespace planetarch::paths
