// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "app/settingsfile.h"

#include "core/paths.h"
#include "core/settingstext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace planetarch {

using namespace Qt::StringLiterals;

std::optional<QString> SettingsFile::defaultPath()
{
    const std::optional<QString> folder =
        paths::configFolder(qEnvironmentVariable("XDG_CONFIG_HOME"), qEnvironmentVariable("HOME"));
    if (!folder)
        return std::nullopt;
    return *folder + u'/' + QCoreApplication::organizationName() + u'/' +
           QCoreApplication::applicationName() + u".conf"_s;
}

SettingsFile::SettingsFile(std::optional<QString> path) : m_path(std::move(path))
{
    load();
}

void SettingsFile::load()
{
    m_read = {wholefile::Contents::State::Unusable, {}};
    if (m_path)
        m_read = wholefile::read(*m_path, settingstext::SizeLimit);
}

std::optional<QString> SettingsFile::value(const QString &group, const QString &key) const
{
    const std::optional<QByteArray> found =
        settingstext::value(m_read.bytes, group.toUtf8(), key.toUtf8());
    return found ? std::optional(QString::fromUtf8(*found)) : std::nullopt;
}

bool SettingsFile::setValue(const QString &group, const QString &key, const QString &value)
{
    // Another program may write the file while this one starts: what it wrote is read again and
    // kept, once; a file that keeps changing is left to it.
    for (int reading = 0; reading < 2; ++reading) {
        if (m_read.state == wholefile::Contents::State::Unusable)
            return false;
        const QByteArray bytes =
            settingstext::withValue(m_read.bytes, group.toUtf8(), key.toUtf8(), value.toUtf8());
        // A file the next start could not read back is never written.
        if (bytes.size() > settingstext::SizeLimit || !QDir().mkpath(QFileInfo(*m_path).path()))
            return false;
        // A file its owner made read-only is kept as it is, by root too (whom the system lets
        // write anything): the mode says what its owner wants.
        if (const QFileInfo file(*m_path);
            file.exists() && !file.permissions().testFlag(QFileDevice::WriteOwner))
            return false;
        bool changed = false;
        const auto unchanged = [&] {
            changed = wholefile::read(*m_path, settingstext::SizeLimit) != m_read;
            return !changed;
        };
        QString reason;
        if (wholefile::write(*m_path, bytes, &reason, wholefile::Trust::Everything, unchanged)) {
            m_read = {wholefile::Contents::State::File, bytes};
            return true;
        }
        if (!changed)
            return false;
        load();
    }
    return false;
}

} // namespace planetarch
