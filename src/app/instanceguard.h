// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QLockFile>

#include <memory>

namespace planetarch {

// Holds a per-user lock file for as long as it lives. A lock left by a copy that was killed is
// recognised (its process is gone) and taken over.
class InstanceGuard final
{
    Q_DISABLE_COPY_MOVE(InstanceGuard)

public:
    InstanceGuard();
    // False only when another running copy holds the lock. A lock that cannot be made at all
    // (unwritable folder) does not stop the program.
    bool acquire();

private:
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace planetarch
