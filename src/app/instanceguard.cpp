// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "app/instanceguard.h"

#include "core/identity.h"
#include "core/startuprules.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace planetarch {

namespace {

// A copy that is starting writes its lock's contents microseconds after creating the file; an
// unreadable lock younger than this may be one being written, older it is one left behind.
constexpr qint64 WritingGraceMs = 1000;

// The runtime folder, or nothing when there is no usable one. When XDG_RUNTIME_DIR is unset Qt
// makes up a folder in the temporary folder, and with a broken TMPDIR that temporary folder is
// empty: Qt would make (as root) a folder at the filesystem root. It is asked only when that
// cannot happen.
QString runtimeFolder()
{
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString temporary = QDir::tempPath();
        if (!QDir::isAbsolutePath(temporary) || QDir::cleanPath(temporary) == u"/")
            return {};
    }
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

// A private folder for the lock when the system offers no runtime folder.
QString fallbackFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return {};
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return folder;
}

} // namespace

InstanceGuard::InstanceGuard()
{
    const QString runtime = runtimeFolder();
    const QString &id = identity::ApplicationId;
    const std::optional<QString> path =
        lockFilePath(runtime, runtime.isEmpty() ? fallbackFolder() : QString(), id);
    if (!path)
        return; // nowhere to keep a lock: the program runs unguarded rather than not at all
    m_lock = std::make_unique<QLockFile>(*path);
    // Held for the life of the process, so age says nothing: only a dead owner makes it stale.
    m_lock->setStaleLockTime(0);
}

bool InstanceGuard::acquire()
{
    if (!m_lock || m_lock->isLocked())
        return true;
    // Bounded: each round either takes the lock, decides, or waits a little for a lock being
    // written (at most the grace time in all).
    for (int round = 0; round < 100; ++round) {
        if (m_lock->tryLock(0))
            return true;
        if (m_lock->error() != QLockFile::LockFailedError)
            return true; // cannot be made at all: start anyway
        switch (clearUnheldLock()) {
        case Obstacle::HeldByRunningCopy:
            return false;
        case Obstacle::Unusable:
            return true;
        case Obstacle::BeingWritten:
            QThread::msleep(WritingGraceMs / 20);
            break;
        case Obstacle::Cleared:
            break;
        }
    }
    return false;
}

// Qt takes over a lock whose owner is gone, but only when it can read the owner from the file.
// This handles what it cannot read.
InstanceGuard::Obstacle InstanceGuard::clearUnheldLock()
{
    qint64 pid = 0;
    QString host;
    QString application;
    if (m_lock->getLockInfo(&pid, &host, &application))
        return Obstacle::HeldByRunningCopy; // readable, and Qt found its owner alive

    const QString path = m_lock->fileName();
    const QFileInfo entry(path);
    if (entry.isSymLink()) {
        // Qt never makes a lock that is a link. Remove the link itself; what it points to is not
        // ours and is neither opened for writing nor removed.
        return QFile::remove(path) ? Obstacle::Cleared : Obstacle::Unusable;
    }
    if (entry.isDir())
        return QDir().rmdir(path) ? Obstacle::Cleared : Obstacle::Unusable;
    if (!entry.exists())
        return Obstacle::Cleared; // gone meanwhile: try again
    if (!entry.isFile())
        return Obstacle::Unusable; // a pipe or a device: never opened
    const qint64 age = entry.lastModified().msecsTo(QDateTime::currentDateTime());
    if (age >= 0 && age < WritingGraceMs)
        return Obstacle::BeingWritten;
    return removeIfUnheld(path);
}

// An empty or damaged lock file is removed only after taking its exclusive lock, which a running
// copy holds for as long as it runs, even when its file has been emptied.
InstanceGuard::Obstacle InstanceGuard::removeIfUnheld(const QString &path)
{
#ifdef Q_OS_UNIX
    // Opened for reading only, never through a link, never blocking: flock needs no more.
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? Obstacle::Cleared : Obstacle::Unusable;
    Obstacle result = Obstacle::Unusable;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        result = ::unlink(name.constData()) == 0 ? Obstacle::Cleared : Obstacle::Unusable;
    else if (errno == EWOULDBLOCK)
        result = Obstacle::HeldByRunningCopy;
    ::close(fd);
    return result;
#else
    return m_lock->removeStaleLockFile() ? Obstacle::Cleared : Obstacle::HeldByRunningCopy;
#endif
}

} // namespace planetarch
