// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "app/instanceguard.h"

#include "core/identity.h"
#include "core/startuprules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace planetarch {

using namespace Qt::StringLiterals;

namespace {

#ifdef Q_OS_UNIX
using FileStatus = struct stat;
#endif

// XDG_RUNTIME_DIR, when it names an existing folder of this user's. Qt's own stand-in for a
// missing one (a folder it makes in the temporary folder, at the filesystem root when TMPDIR is
// broken) is never used.
QString runtimeFolder()
{
    const QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!QDir::isAbsolutePath(folder) || QDir::cleanPath(folder) == u"/")
        return {};
#ifdef Q_OS_UNIX
    FileStatus entry{};
    if (::stat(QFile::encodeName(folder).constData(), &entry) != 0 || !S_ISDIR(entry.st_mode) ||
        entry.st_uid != ::getuid())
        return {};
#endif
    return folder;
}

// The private folder: the user's cache folder for the program, as Qt names it.
QString fallbackFolder()
{
    const std::optional<QString> cache = userFolder(qEnvironmentVariable("XDG_CACHE_HOME"),
                                                    qEnvironmentVariable("HOME"), u".cache"_s);
    if (!cache)
        return {};
    return *cache + u'/' + QCoreApplication::organizationName() + u'/' +
           QCoreApplication::applicationName();
}

QString lockIn(const QString &folder)
{
    return lockFilePath(folder, QString(), identity::ApplicationId).value_or(QString());
}

#ifdef Q_OS_UNIX
bool makePrivateFolder(const QString &folder)
{
    return QDir().mkpath(folder) &&
           QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

bool sameFile(const FileStatus &a, const FileStatus &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}
#endif

} // namespace

InstanceGuard::InstanceGuard()
    : m_runtimeLock(lockIn(runtimeFolder())), m_fallbackLock(lockIn(fallbackFolder()))
{
}

InstanceGuard::~InstanceGuard()
{
#ifdef Q_OS_UNIX
    if (m_fd < 0)
        return;
    // Removed while still held, and only if the path still names this very file.
    FileStatus held{}, named{};
    const QByteArray name = QFile::encodeName(m_held);
    if (::fstat(m_fd, &held) == 0 && ::lstat(name.constData(), &named) == 0 &&
        sameFile(held, named))
        ::unlink(name.constData());
    ::close(m_fd);
#endif
}

bool InstanceGuard::acquire()
{
#ifdef Q_OS_UNIX
    if (m_fd >= 0)
        return true;
    for (const QString &path : {m_runtimeLock, m_fallbackLock}) {
        if (path.isEmpty())
            continue;
        if (path == m_fallbackLock && !makePrivateFolder(QFileInfo(path).path()))
            break;
        switch (lockAt(path)) {
        case Outcome::HeldByAnother:
            return false;
        case Outcome::Unusable:
            continue; // the next place, if any
        case Outcome::Held:
            // A copy that met something else at the runtime path keeps its lock in the private
            // folder: copies that found different paths still see each other.
            if (path == m_runtimeLock && isHeldByAnother(m_fallbackLock))
                return false;
            return true;
        }
    }
    return true; // nowhere to keep a lock: the program runs unguarded rather than not at all
#else
    if (!m_lock) {
        const QString &path = m_runtimeLock.isEmpty() ? m_fallbackLock : m_runtimeLock;
        if (path.isEmpty() || !QDir().mkpath(QFileInfo(path).path()))
            return true;
        m_lock = std::make_unique<QLockFile>(path);
        m_lock->setStaleLockTime(0);
    }
    if (m_lock->isLocked() || m_lock->tryLock(0))
        return true;
    return m_lock->error() != QLockFile::LockFailedError;
#endif
}

#ifdef Q_OS_UNIX
InstanceGuard::Outcome InstanceGuard::lockAt(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    // Bounded: a round ends when the path changed under us (another copy made or ended its lock).
    for (int round = 0; round < 20; ++round) {
        FileStatus entry{};
        int fd = -1;
        if (::lstat(name.constData(), &entry) != 0) {
            if (errno != ENOENT)
                return Outcome::Unusable;
            fd = ::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
            if (fd < 0 && errno == EEXIST)
                continue;
        } else if (S_ISREG(entry.st_mode)) {
            fd = ::open(name.constData(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
            if (fd < 0 && errno == ENOENT)
                continue;
        } else {
            return Outcome::Unusable; // a link, pipe, socket, device or folder: left as it is
        }
        if (fd < 0)
            return Outcome::Unusable;
        FileStatus opened{};
        if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
            ::close(fd);
            return Outcome::Unusable;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const bool held = errno == EWOULDBLOCK;
            ::close(fd);
            return held ? Outcome::HeldByAnother : Outcome::Unusable;
        }
        // Locked; but a copy ending meanwhile may have removed this file, and another made a new
        // one at the path. Only the file the path names counts.
        if (::lstat(name.constData(), &entry) != 0 || !sameFile(entry, opened)) {
            ::close(fd);
            continue;
        }
        // For people who look: who holds it, as Qt's lock files say.
        const QByteArray owner = QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                                 QCoreApplication::applicationName().toUtf8() + '\n' +
                                 QSysInfo::machineHostName().toUtf8() + '\n';
        [[maybe_unused]] const bool noted =
            ::ftruncate(fd, 0) == 0 &&
            ::pwrite(fd, owner.constData(), size_t(owner.size()), 0) == owner.size();
        m_fd = fd;
        m_held = path;
        return Outcome::Held;
    }
    return Outcome::Unusable;
}

bool InstanceGuard::isHeldByAnother(const QString &path) const
{
    if (path.isEmpty())
        return false;
    const QByteArray name = QFile::encodeName(path);
    FileStatus entry{};
    if (::lstat(name.constData(), &entry) != 0 || !S_ISREG(entry.st_mode))
        return false;
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}
#endif

} // namespace planetarch
