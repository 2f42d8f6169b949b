// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>

class QLockFile;
class QSocketNotifier;

namespace planetarch {

// Tells whether a copy of the program already runs for this user, and keeps this copy visible to
// later ones for as long as it lives.
//
// On Linux it holds a Unix socket in the abstract namespace, named from the application id and the
// effective uid: an object of the kernel with no path, so no file, folder or environment variable
// can hide, fake or block it, and the kernel frees it when the process ends, however it ends.
// Nothing is written to disk. A copy that finds the name taken asks the holder's credentials: the
// same uid is a running copy; another uid squatting the name does not keep the user out.
// Elsewhere it is a QLockFile in the runtime folder.
class InstanceGuard final
{
    Q_DISABLE_COPY_MOVE(InstanceGuard)

public:
    InstanceGuard();
    ~InstanceGuard();

    // False only when another copy of this user's runs. When no guard can be had (the name is
    // held by someone else, sockets are refused), the program runs unguarded rather than not at
    // all.
    bool acquire();

private:
    // "example.planetarch.Planetarch.1000": the abstract name for this user.
    static QString name();

#ifdef Q_OS_LINUX
    int m_socket = -1;
    std::unique_ptr<QSocketNotifier> m_callers;
#else
    std::unique_ptr<QLockFile> m_lock;
#endif
};

} // namespace planetarch
