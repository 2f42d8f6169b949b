// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/wholefile.h"

#include <QString>

#include <optional>

namespace planetarch {

// The program's settings file, where QSettings kept it
// ($XDG_CONFIG_HOME/<organisation>/<application>.conf, in QSettings' own text form), read and
// written without QSettings, through wholefile. What lies at its path is looked at before anything
// is opened: a regular file, or a link to one, is read (at most settingstext::SizeLimit bytes) and
// written whole and atomically; a pipe, socket, device or folder is never opened, and the settings
// are then unusable. So are they when the file is larger than what is read (the lines past it
// would be lost), and when a folder, link or file on the way belongs to another user (root run
// with someone else's home): nothing there is followed, made or written. Nothing here ever waits.
class SettingsFile final
{
public:
    // The file for the running program, or none when there is no usable home (nothing is ever
    // made at the filesystem root).
    static std::optional<QString> defaultPath();

    explicit SettingsFile(std::optional<QString> path = defaultPath());

    // A value as written; nothing when the file has none or is damaged (too large to be ours).
    std::optional<QString> value(const QString &group, const QString &key) const;
    // Stores a value, the rest of the file kept byte for byte. True only once it is really on
    // disk: false for an unusable file, a folder that cannot be made or written, a full disk, a
    // file that would grow past what is read back, or one that another program keeps changing
    // (a change made since it was read is read again, once, and kept).
    bool setValue(const QString &group, const QString &key, const QString &value);

private:
    void load();

    std::optional<QString> m_path;
    wholefile::Contents m_read; // as it was read, to see whether another program changed it
};

} // namespace planetarch
