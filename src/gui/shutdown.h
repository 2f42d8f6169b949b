// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

// The program's one way to end.
namespace planetarch::shutdown {

// Closes every window that is open (their close handlers run), then ends the process by leaving the
// event loop. A nested call from a close handler returns at once; the outer call finishes the work.
void endProgram();
bool isEnding();

// Tests replace the last step, which would otherwise end the event loop; setting it also forgets
// an earlier endProgram() so each test starts from a running program.
void setProcessEnd(std::function<void()> processEnd);

} // namespace planetarch::shutdown
