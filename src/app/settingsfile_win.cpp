// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "app/settingsfile.h"

#include <QCoreApplication>
#include <QSettings>

// The registry: a value of the user's own key, through QSettings' native format, which reads and
// writes each value alone, so nothing else under the key is touched.
namespace planetarch {

using namespace Qt::StringLiterals;

std::optional<QString> SettingsFile::defaultPath()
{
    return u"HKEY_CURRENT_USER\\Software\\"_s + QCoreApplication::organizationName() + u'\\' +
           QCoreApplication::applicationName();
}

SettingsFile::SettingsFile(std::optional<QString> path) : m_path(std::move(path))
{
}

std::optional<QString> SettingsFile::value(const QString &group, const QString &key) const
{
    if (!m_path)
        return std::nullopt;
    const QVariant stored = QSettings(*m_path, QSettings::NativeFormat).value(group + u'/' + key);
    // A value of another type (a number, say) reads as its text, which is no date.
    return stored.isValid() ? std::optional(stored.toString()) : std::nullopt;
}

bool SettingsFile::setValue(const QString &group, const QString &key, const QString &value)
{
    if (!m_path)
        return false;
    QSettings settings(*m_path, QSettings::NativeFormat);
    settings.setValue(group + u'/' + key, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace planetarch
