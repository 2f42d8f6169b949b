// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>

class QLockFile;

namespace planetarch {

// Holds a per-user lock for as long as it lives: a file in the runtime folder, or in a private
// folder in the user's cache when there is no usable runtime folder or something other than a
// regular file lies at the lock's path. Whoever holds the file's exclusive flock is the running
// copy: a lock no one holds (left by a killed copy, empty, damaged, another machine's or an earlier
// boot's) is taken over in place, and nothing is ever removed by name but the lock this copy
// holds, when it ends. What lies at a path is looked at before it is opened; a link, pipe, socket,
// device or folder is never opened, waited on or removed.
class InstanceGuard final
{
    Q_DISABLE_COPY_MOVE(InstanceGuard)

public:
    InstanceGuard();
    ~InstanceGuard();
    // False only when another running copy holds the lock. A lock that cannot be made at all
    // (no usable folder, an unwritable one) does not stop the program.
    bool acquire();

private:
    enum class Outcome { Held, HeldByAnother, Unusable };
    Outcome lockAt(const QString &path);
    bool isHeldByAnother(const QString &path) const;

    QString m_runtimeLock;  // empty without a usable runtime folder
    QString m_fallbackLock; // empty without a usable home
    QString m_held;         // the lock this copy holds
    int m_fd = -1;
#ifndef Q_OS_UNIX
    std::unique_ptr<QLockFile> m_lock;
#endif
};

} // namespace planetarch
