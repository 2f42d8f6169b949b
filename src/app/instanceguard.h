// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QLockFile>

#include <memory>

namespace planetarch {

// Holds a per-user lock file for as long as it lives, in the runtime folder (or a private folder
// in the user's cache when there is none). A lock that no running copy holds never blocks a start:
// a lock left by a killed copy, an empty or damaged one, or something that is no lock at all is
// taken over; a running copy's lock is never removed.
class InstanceGuard final
{
    Q_DISABLE_COPY_MOVE(InstanceGuard)

public:
    InstanceGuard();
    // False only when another running copy holds the lock. A lock that cannot be made at all
    // (no usable folder, an unwritable one) does not stop the program.
    bool acquire();

private:
    enum class Obstacle { HeldByRunningCopy, Cleared, BeingWritten, Unusable };
    Obstacle clearUnheldLock();
    Obstacle removeIfUnheld(const QString &path);

    std::unique_ptr<QLockFile> m_lock;
};

} // namespace planetarch
