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

// Why Windows would not keep a file at path as named, in words; empty when it would. Windows
// keeps the device names (CON, PRN, AUX, NUL, COM0 to COM9, LPT0 to LPT9, with any extension)
// for devices, drops a dot or blank that ends a name (so another file than the one named would
// be written), and lets most programs open no path longer than 259 characters.
QString windowsRefusal(QStringView path);

} // namespace planetarch::paths
