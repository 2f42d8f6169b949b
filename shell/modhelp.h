// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

// The program's web links and its one way to end.
namespace planetarch::modHelp {

// Hands the address to the desktop's default browser and returns at once. Whether a browser opened
// is never known and never reported: with no browser the click simply does nothing.
void openWebPage(const QString &address);

void openHelpPage();
void openHomePage();
void openSoftwareSuitePage();
void openDonatePage();
void openFullBrandPage();
void openCoBrandPage();
void openDownloadPage();

// Closes every window that is open (their close handlers run), then ends the process by leaving the
// event loop. A nested call from a close handler returns at once; the outer call finishes the work.
void endProgram();
bool programEnding();

// Tests replace the last step, which would otherwise end the event loop; setting it also forgets
// an earlier endProgram() so each test starts from a running program.
void setProcessEnd(std::function<void()> processEnd);

} // namespace planetarch::modHelp
