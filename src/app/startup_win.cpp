// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "app/startup.h"

namespace planetarch {

// Windows gives a program no signal for a file size limit and no runtime folder of its own to
// mend: nothing to prepare.
void prepareEnvironment()
{
}

} // namespace planetarch
