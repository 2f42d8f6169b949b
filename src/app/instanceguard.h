// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>
#include <memory>

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
//
// On Windows it holds a named kernel object in the session's own namespace (Local\), named from
// the application id and the user's security id: a copy of another session or another user is
// not "running". The kernel frees it when the process ends, however it ends. A later copy lets
// the running one take the foreground and signals a named event that the running copy waits on.
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
    // The single-instance name for this user.
    static QString name();

    struct Held; // what the running copy holds, the platform's own
    std::unique_ptr<Held> m_held;
    std::function<void(const QByteArray &)> m_raise;
};

} // namespace planetarch
