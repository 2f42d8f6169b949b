// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "app/instanceguard.h"

#include "app/startup.h"

#include <QStandardPaths>

namespace planetarch {

using namespace Qt::StringLiterals;

InstanceGuard::InstanceGuard()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    m_lock =
        std::make_unique<QLockFile>(folder + u'/' + QLatin1StringView(ApplicationId) + u".lock"_s);
    // Held for the life of the process, so age says nothing: only a dead owner makes it stale.
    m_lock->setStaleLockTime(0);
}

bool InstanceGuard::acquire()
{
    if (m_lock->isLocked() || m_lock->tryLock(0))
        return true;
    return m_lock->error() != QLockFile::LockFailedError;
}

} // namespace planetarch
