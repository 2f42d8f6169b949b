// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include "referral.h"

class QWidget;

// Recommending the program to a friend: the values of the last submission and the address built
// from them live here for the rest of the run. The program sends nothing itself; the browser opens
// the forum's page with the values in its address.
namespace planetarch::modTellAFriend {

ReferralValues &values();
const QString &referralAddress();

// Checks each stored value; either shows one message (over parent) or builds the address and opens
// it.
void submitReferral(QWidget *parent);
void openReferralPage();

} // namespace planetarch::modTellAFriend
