// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

// Every file the program reads back or writes goes through here: the settings file and the
// readings the user saves. One rule decides which links are followed (only this user's or root's,
// as the kernel's protected_symlinks does), so nobody else can steer a write, and a file is
// written whole or not at all.

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace planetarch::wholefile {

// Each link on the way to a path is followed only when it is trusted; what does not exist yet is
// made by this user below what was checked.
enum class Trust {
    Links,      // only links are checked: a file the user chose anywhere may be written
    Everything, // every folder, link and file on the way must be this user's or root's
};

// What was read at a path.
struct Contents
{
    enum class State {
        Missing,  // nothing there
        File,     // a regular file, all of it in bytes
        Unusable, // no regular file, larger than the limit, another user's, or unreadable
    };
    State state = State::Missing;
    QByteArray bytes;

    bool operator==(const Contents &) const = default;
};

// Reads at most limit bytes, never waiting on what lies at the path (a pipe, a device). Every
// folder, link and file on the way must be this user's or root's.
Contents read(const QString &path, qsizetype limit);

// The reason a write gives when stillSo, below, said no.
inline const QString ChangedMeanwhile = QStringLiteral("Another program changed it meanwhile.");

// Writes bytes to path whole or not at all: into a new file beside it, every write's count checked
// and the file flushed to disk before it replaces whatever was there (a regular file, or nothing:
// anything else is refused). stillSo, when given, is asked just before the replace; false cancels
// it (another program changed the file meanwhile). False with the reason in words, the old file
// untouched and nothing left beside it.
bool write(const QString &path, const QByteArray &bytes, QString *reason,
           Trust trust = Trust::Links, const std::function<bool()> &stillSo = {});

} // namespace planetarch::wholefile
