// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/wholefile.h"

#include <QString>

#include <optional>

namespace planetarch {

// The program's settings. On Linux the file $XDG_CONFIG_HOME/<organisation>/<application>.conf in
// the text form of core/settingstext.h, read and written through wholefile: nothing is followed,
// made or written where another user could steer it, nothing is opened that is no regular file,
// and nothing ever waits. On Windows the registry key
// HKEY_CURRENT_USER\Software\<organisation>\<application>, each value read and written alone.
class SettingsFile final
{
public:
    // The file (the registry key on Windows) for the running program, or none when there is no
    // usable home (nothing is ever made at the filesystem root).
    static std::optional<QString> defaultPath();

    explicit SettingsFile(std::optional<QString> path = defaultPath());

    // The value; nothing when the file has none or cannot be used (too large to be ours, say).
    std::optional<QString> value(const QString &group, const QString &key) const;
    // Stores a value, the rest of the file kept byte for byte. True only once it is on disk: false
    // for an unusable file, one its owner made read-only, a folder that cannot be made or written,
    // a full disk, a file that would grow past what is read back, or one that another program
    // keeps changing (a change made since it was read is read again, once, and kept).
    bool setValue(const QString &group, const QString &key, const QString &value);

private:
    void load(); // Linux: reads the file

    std::optional<QString> m_path;
    wholefile::Contents m_read; // Linux: as it was read, to see whether another program changed it
};

} // namespace planetarch
