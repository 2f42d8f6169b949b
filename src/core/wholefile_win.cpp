// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "core/wholefile.h"

#include "core/paths.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

// Windows has no links another user could plant in the user's folders the way Linux's shared
// folders allow, so every path is taken as named; what is checked is what Windows itself would
// do with a name.
namespace planetarch::wholefile {

using namespace Qt::StringLiterals;

namespace {

// Why what lies at a path may not be replaced by a file, or nothing.
QString refusal(const QString &path)
{
    if (QString windows = paths::windowsRefusal(QFileInfo(path).absoluteFilePath());
        !windows.isEmpty())
        return windows;
    const QFileInfo entry(path);
    if (entry.isDir())
        return u"It is a folder, not a file."_s;
    if (entry.exists() && !entry.isFile())
        return u"It is not a regular file."_s;
    return {};
}

} // namespace

Contents read(const QString &path, qsizetype limit)
{
    if (!QFileInfo::exists(path))
        return {};
    QFile file(path);
    if (!refusal(path).isEmpty() || !file.open(QIODevice::ReadOnly))
        return {Contents::State::Unusable, {}};
    const QByteArray bytes = file.read(limit + 1);
    if (bytes.size() > limit || file.error() != QFile::NoError)
        return {Contents::State::Unusable, {}};
    return {Contents::State::File, bytes};
}

// QSaveFile writes a new file beside the old one and puts it in the old one's place only once it
// is whole (ReplaceFile, MoveFileEx); it never falls back to writing the old file in place.
bool write(const QString &path, const QByteArray &bytes, QString *reason, Trust,
           const std::function<bool()> &stillSo)
{
    if (const QString refused = refusal(path); !refused.isEmpty()) {
        *reason = refused;
        return false;
    }
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    const bool whole = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    const bool unchanged = whole && (!stillSo || stillSo());
    if (!unchanged)
        file.cancelWriting();
    if (file.commit())
        return true;
    *reason = whole && !unchanged ? ChangedMeanwhile : file.errorString();
    return false;
}

} // namespace planetarch::wholefile
