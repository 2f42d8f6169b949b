// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "modtellafriend.h"

#include "addresses.h"
#include "messages.h"
#include "modhelp.h"

namespace planetarch::modTellAFriend {

using namespace Qt::StringLiterals;

namespace {

QString &storedAddress()
{
    static QString address;
    return address;
}

QString messageFor(ReferralVerdict verdict)
{
    switch (verdict) {
    case ReferralVerdict::SenderName:
        return u"Please Enter Your Name"_s;
    case ReferralVerdict::SenderEmail:
        return u"Please Enter Your Email"_s;
    case ReferralVerdict::Message:
        return u"Please Enter Your Message"_s;
    case ReferralVerdict::FriendName:
        return u"Please Enter Your Friend's Name"_s;
    case ReferralVerdict::FriendEmail:
        return u"Please Enter Your Friend's Email"_s;
    case ReferralVerdict::Valid:
        break;
    }
    return {};
}

} // namespace

ReferralValues &values()
{
    static ReferralValues stored;
    return stored;
}

const QString &referralAddress()
{
    return storedAddress();
}

void submitReferral(QWidget *parent)
{
    const ReferralVerdict verdict = checkReferral(values());
    if (verdict != ReferralVerdict::Valid) {
        messages::show(parent, messageFor(verdict), messages::Icon::Critical);
        return;
    }
    storedAddress() = planetarch::referralAddress(addresses::ReferAFriendPage, values(),
                                                  addresses::ProductHomePage);
    openReferralPage();
}

void openReferralPage()
{
    modHelp::openWebPage(storedAddress());
}

} // namespace planetarch::modTellAFriend
