// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "core/wholefile.h"

#include "core/identity.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace planetarch::wholefile {

using namespace Qt::StringLiterals;

namespace {

const QString ForeignLink = u"It is a link that belongs to another user."_s;
const QString ForeignPath = u"It lies in a folder that belongs to another user."_s;

using Status = struct stat;

bool isTrusted(const Status &entry)
{
    return entry.st_uid == ::geteuid() || entry.st_uid == 0;
}

std::optional<QByteArray> resolveBytes(const QByteArray &path, Trust trust, QString *reason)
{
    // The parts still to walk, the next one last; links push their own parts in front.
    QList<QByteArray> pending;
    auto push = [&pending](const QByteArray &target) {
        const QList<QByteArray> parts = target.split('/');
        for (auto part = parts.crbegin(); part != parts.crend(); ++part)
            pending << *part;
    };
    push(path);
    QByteArray walked; // no link in it, so ".." may simply go up
    int links = 0;
    while (!pending.isEmpty()) {
        const QByteArray part = pending.takeLast();
        if (part.isEmpty() || part == ".")
            continue;
        if (part == "..") {
            walked.truncate(std::max<qsizetype>(walked.lastIndexOf('/'), 0));
            continue;
        }
        const QByteArray next = walked + '/' + part;
        Status entry{};
        if (::lstat(next.constData(), &entry) != 0) {
            if (errno != ENOENT) {
                *reason = qt_error_string(errno);
                return std::nullopt;
            }
            // Whatever does not exist yet is made by this user, below what was checked.
            walked = next;
            while (!pending.isEmpty())
                walked += '/' + pending.takeLast();
            return walked;
        }
        if (!isTrusted(entry)) {
            if (S_ISLNK(entry.st_mode)) {
                *reason = ForeignLink;
                return std::nullopt;
            }
            if (trust == Trust::Everything) {
                *reason = ForeignPath;
                return std::nullopt;
            }
        }
        if (!S_ISLNK(entry.st_mode)) {
            walked = next;
            continue;
        }
        if (++links > 40) {
            *reason = qt_error_string(ELOOP);
            return std::nullopt;
        }
        QByteArray target(qsizetype(entry.st_size > 0 ? entry.st_size : 4096) + 1, '\0');
        const ssize_t length = ::readlink(next.constData(), target.data(), size_t(target.size()));
        if (length < 0 || length >= target.size()) {
            *reason = qt_error_string(length < 0 ? errno : ENAMETOOLONG);
            return std::nullopt;
        }
        target.truncate(length);
        if (target.startsWith('/'))
            walked.clear();
        push(target);
    }
    return walked.isEmpty() ? QByteArray("/") : walked;
}

QByteArray absoluteBytes(const QString &path)
{
    return QFile::encodeName(QFileInfo(path).absoluteFilePath());
}

// Why what lies at a path may not be replaced by a file, or nothing.
QString refusal(const Status &entry)
{
    if (S_ISREG(entry.st_mode))
        return {};
    if (S_ISDIR(entry.st_mode))
        return u"It is a folder, not a file."_s;
    if (S_ISFIFO(entry.st_mode))
        return u"It is a named pipe, not a file."_s;
    if (S_ISSOCK(entry.st_mode))
        return u"It is a socket, not a file."_s;
    if (S_ISCHR(entry.st_mode) || S_ISBLK(entry.st_mode))
        return u"It is a device, not a file."_s;
    return u"It is not a regular file."_s;
}

bool writeAll(int fd, const QByteArray &bytes, QString *reason)
{
    // write() may take part of the bytes and say nothing; the next call then gives the reason
    // (a full disk, a file size limit).
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0) {
            *reason = qt_error_string(wrote < 0 ? errno : EIO);
            return false;
        }
        done += wrote;
    }
    if (::fsync(fd) != 0) {
        *reason = qt_error_string(errno);
        return false;
    }
    return true;
}

} // namespace

Contents read(const QString &path, qsizetype limit)
{
    Contents contents;
    QString reason;
    const std::optional<QByteArray> target =
        resolveBytes(absoluteBytes(path), Trust::Everything, &reason);
    contents.state = Contents::State::Unusable;
    Status entry{};
    if (!target)
        return contents;
    if (::lstat(target->constData(), &entry) != 0) {
        if (errno == ENOENT)
            contents.state = Contents::State::Missing;
        return contents;
    }
    if (!S_ISREG(entry.st_mode) || !isTrusted(entry))
        return contents; // a pipe, socket, device or folder: never opened, never waited on
    // Not blocking, in case what was a file a moment ago is a pipe by now.
    const int fd = ::open(target->constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return contents;
    if (::fstat(fd, &entry) == 0 && S_ISREG(entry.st_mode)) {
        QByteArray bytes(limit + 1, '\0');
        qsizetype filled = 0;
        bool failed = false;
        while (filled < bytes.size()) {
            const ssize_t got = ::read(fd, bytes.data() + filled, size_t(bytes.size() - filled));
            if (got < 0 && errno == EINTR)
                continue;
            failed = got < 0;
            if (got <= 0)
                break;
            filled += got;
        }
        if (!failed && filled <= limit) {
            bytes.truncate(filled);
            contents = {Contents::State::File, bytes};
        }
    }
    ::close(fd);
    return contents;
}

bool write(const QString &path, const QByteArray &bytes, QString *reason, Trust trust,
           const std::function<bool()> &stillSo)
{
    const std::optional<QByteArray> target = resolveBytes(absoluteBytes(path), trust, reason);
    if (!target)
        return false;
    Status old{};
    const bool replacing = ::lstat(target->constData(), &old) == 0;
    if (replacing) {
        if (const QString refused = refusal(old); !refused.isEmpty()) {
            *reason = refused;
            return false;
        }
    } else if (errno != ENOENT) {
        *reason = qt_error_string(errno);
        return false;
    }
    // A short name of its own beside the target, so that a target name at the length limit can
    // still be replaced; hidden, so that a file manager showing the folder does not list it.
    const QByteArray folder = target->left(std::max<qsizetype>(target->lastIndexOf('/'), 1));
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 16; ++attempt) {
        temporary = folder + (folder.endsWith('/') ? "." : "/.") + identity::ProgramName.toUtf8() +
                    '-' + QByteArray::number(QRandomGenerator::system()->generate(), 36);
        fd = ::open(temporary.constData(),
                    O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0666);
        if (fd < 0 && errno != EEXIST) {
            *reason = qt_error_string(errno);
            return false;
        }
    }
    if (fd < 0) {
        *reason = qt_error_string(EEXIST);
        return false;
    }
    // The old file's permissions stay with the name; its owner and other links do not.
    bool done = writeAll(fd, bytes, reason);
    if (done && replacing && ::fchmod(fd, old.st_mode & 07777) != 0) {
        *reason = qt_error_string(errno);
        done = false;
    }
    if (::close(fd) != 0 && done) {
        *reason = qt_error_string(errno);
        done = false;
    }
    if (done && stillSo && !stillSo()) {
        *reason = ChangedMeanwhile;
        done = false;
    }
    if (done && ::rename(temporary.constData(), target->constData()) != 0) {
        *reason = qt_error_string(errno);
        done = false;
    }
    if (!done) {
        ::unlink(temporary.constData());
        return false;
    }
    // The new name on disk too, so a crash now cannot bring the old file back.
    if (const int folderFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
    return true;
}

} // namespace planetarch::wholefile
