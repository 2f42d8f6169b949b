// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "app/settingsfile.h"

#include "core/settingstext.h"
#include "core/startuprules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace planetarch {

using namespace Qt::StringLiterals;

#ifdef Q_OS_UNIX
namespace {

using FileStatus = struct stat;

bool isTrusted(const FileStatus &entry)
{
    return entry.st_uid == ::geteuid() || entry.st_uid == 0;
}

// Whether everything that exists on the way to path (each folder, each link and what it leads
// to, the file) belongs to this user or to root: then no one else can swap any of it. Whatever
// does not exist yet is made by this user, below what was checked.
bool isOwnPath(const QByteArray &path, int links = 0)
{
    if (!path.startsWith('/') || links > 8)
        return false;
    QByteArray prefix;
    const QList<QByteArray> parts = path.split('/');
    for (const QByteArray &part : parts) {
        if (part.isEmpty())
            continue;
        prefix += '/' + part;
        FileStatus entry{};
        if (::lstat(prefix.constData(), &entry) != 0)
            return errno == ENOENT;
        if (!isTrusted(entry))
            return false;
        if (S_ISLNK(entry.st_mode)) {
            // A link of our own or root's: where it leads must be just as safe.
            char *target = ::realpath(prefix.constData(), nullptr);
            if (!target)
                return false;
            const QByteArray resolved(target);
            std::free(target);
            if (!isOwnPath(resolved, links + 1))
                return false;
        }
    }
    return true;
}

} // namespace
#endif

std::optional<QString> SettingsFile::defaultPath()
{
    const std::optional<QString> folder = userFolder(qEnvironmentVariable("XDG_CONFIG_HOME"),
                                                     qEnvironmentVariable("HOME"), u".config"_s);
    if (!folder)
        return std::nullopt;
    return *folder + u'/' + QCoreApplication::organizationName() + u'/' +
           QCoreApplication::applicationName() + u".conf"_s;
}

SettingsFile::SettingsFile(std::optional<QString> path) : m_path(std::move(path))
{
    if (!m_path)
        return;
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(*m_path);
    if (!isOwnPath(name))
        return; // another user's: not followed, not read, not written
    FileStatus entry{};
    if (::stat(name.constData(), &entry) != 0) {
        // Nothing there yet: a first run. Any other failure leaves it alone.
        m_usable = errno == ENOENT;
        return;
    }
    if (!S_ISREG(entry.st_mode))
        return; // a pipe, socket, device or folder: never opened, never waited on
    // Not blocking, in case what was a file a moment ago is a pipe by now.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    QByteArray bytes;
    if (::fstat(fd, &entry) == 0 && S_ISREG(entry.st_mode)) {
        m_usable = true;
        bytes.resize(settingstext::SizeLimit + 1);
        qsizetype filled = 0;
        while (filled < bytes.size()) {
            const ssize_t got = ::read(fd, bytes.data() + filled, size_t(bytes.size() - filled));
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                break;
            filled += got;
        }
        bytes.truncate(filled);
    }
    ::close(fd);
#else
    const QFileInfo entry(*m_path);
    if (entry.exists() && !entry.isFile())
        return;
    m_usable = true;
    QFile file(*m_path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.read(settingstext::SizeLimit + 1);
#endif
    // Larger than any file of ours: damaged, read as empty, replaced by the next write.
    if (bytes.size() <= settingstext::SizeLimit)
        m_text = bytes;
}

std::optional<QString> SettingsFile::value(const QString &group, const QString &key) const
{
    const std::optional<QByteArray> found =
        settingstext::value(m_text, group.toUtf8(), key.toUtf8());
    return found ? std::optional(QString::fromUtf8(*found)) : std::nullopt;
}

bool SettingsFile::setValue(const QString &group, const QString &key, const QString &value)
{
    if (!m_usable)
        return false;
    const QByteArray bytes =
        settingstext::withValue(m_text, group.toUtf8(), key.toUtf8(), value.toUtf8());
    // A file this program would not read back is never written: the next start would take it
    // for damaged and replace it, and every other line with it.
    if (bytes.size() > settingstext::SizeLimit || !QDir().mkpath(QFileInfo(*m_path).path()))
        return false;
    // Written whole into a new file that then replaces the old one, or not at all. Unbuffered,
    // so that a full disk shows in the write itself, not in a flush nobody checks.
    QSaveFile file(*m_path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    if (!file.commit())
        return false;
    m_text = bytes;
    return true;
}

} // namespace planetarch
