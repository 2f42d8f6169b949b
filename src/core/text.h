// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>

namespace planetarch {

// Removes the blank (U+0020) at both ends and nothing else: tabs, CR and LF stay, because the
// program's texts are compared exactly as the user left them.
QString trimBlanks(QStringView text);

} // namespace planetarch
