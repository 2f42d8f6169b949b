// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>
#include <memory>

class QLockFile;
class QObject;
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
// Through the same socket a later copy asks the running one to bring its window forward: one
// short line, taken only from this user's processes and read without ever blocking.
// Elsewhere it is a QLockFile in the runtime folder, and nothing is brought forward.
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

    // In the running copy: what to do when a later copy asks, given the activation token it
    // passed (empty for none).
    void onRaiseRequest(std::function<void(const QByteArray &token)> handler);
    // In a later copy: asks the running copy to bring its window forward. False when it could
    // not be asked.
    bool askToRaise(const QByteArray &token) const;

private:
    // "example.planetarch.Planetarch.1000": the abstract name for this user.
    static QString name();

#ifdef Q_OS_LINUX
    int m_socket = -1;
    std::unique_ptr<QSocketNotifier> m_listener;
    std::unique_ptr<QObject> m_callers; // the connections being read, its children
    std::function<void(const QByteArray &)> m_raise;
#else
    std::unique_ptr<QLockFile> m_lock;
#endif
};

} // namespace planetarch
