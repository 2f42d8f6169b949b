// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "app/startup.h"

#include <QFileInfo>

#include <csignal>

namespace planetarch {

void prepareEnvironment()
{
    // Under a file size limit (ulimit -f) the kernel would end the program in the middle of a
    // save; ignored, the write fails and the user is told "File too large".
    std::signal(SIGXFSZ, SIG_IGN);
    // Qt makes the runtime folder XDG_RUNTIME_DIR names when it is missing (as root, "/run-x" at
    // the root), and its stand-in for a missing one in the temporary folder, which with a TMPDIR
    // that names no folder is "" (the root again). Neither names a folder: neither is kept.
    for (const char *name : {"XDG_RUNTIME_DIR", "TMPDIR"}) {
        if (const QString folder = qEnvironmentVariable(name);
            !folder.isEmpty() && !QFileInfo(folder).isDir())
            qunsetenv(name);
    }
}

} // namespace planetarch
