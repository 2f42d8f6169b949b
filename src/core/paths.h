// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// Where the program's files go, decided from the environment alone.
namespace planetarch::paths {

// The folder the settings file's folder is made in: XDG_CONFIG_HOME when it names an absolute
// folder, else ~/.config when HOME does; never the filesystem root or a relative folder, so with
// no usable home there is none.
std::optional<QString> configFolder(QStringView xdgConfigHome, QStringView home);

} // namespace planetarch::paths
