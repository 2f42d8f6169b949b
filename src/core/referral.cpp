// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "core/referral.h"

#include "core/text.h"

#include <QUrl>

namespace planetarch {

using namespace Qt::StringLiterals;

namespace {

bool missing(const QString &value, const QString &placeholder)
{
    return value.isEmpty() || value == placeholder;
}

QString encoded(const QString &value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

} // namespace

QString textOnFocusIn(const QString &text, const QString &placeholder)
{
    return trimBlanks(text) == placeholder ? QString() : text;
}

QString textOnFocusOut(const QString &text, const QString &placeholder)
{
    return trimBlanks(text).isEmpty() ? placeholder : text;
}

AddressVerdict checkAddresses(const QString &senderEmail, const QString &friendEmail)
{
    if (senderEmail == friendEmail)
        return AddressVerdict::NotDistinct;
    for (QChar required : {u'@', u'.'}) {
        if (!senderEmail.contains(required) || !friendEmail.contains(required))
            return AddressVerdict::Improper;
    }
    return AddressVerdict::Valid;
}

ReferralVerdict checkReferral(const ReferralValues &values)
{
    if (missing(values.senderName, placeholders::Name))
        return ReferralVerdict::SenderName;
    if (missing(values.senderEmail, placeholders::Email))
        return ReferralVerdict::SenderEmail;
    if (missing(values.message, placeholders::Message))
        return ReferralVerdict::Message;
    if (missing(values.friendName, placeholders::FriendName))
        return ReferralVerdict::FriendName;
    if (missing(values.friendEmail, placeholders::FriendEmail))
        return ReferralVerdict::FriendEmail;
    return ReferralVerdict::Valid;
}

QString referralAddress(const QString &page, const ReferralValues &values,
                        const QString &productHome)
{
    return page + u"?taf1="_s + encoded(values.senderName) + u"&taf2="_s +
           encoded(values.senderEmail) + u"&taf3="_s + encoded(values.message) + u"&taf4="_s +
           encoded(values.friendName) + u"&taf5="_s + encoded(values.friendEmail) + u"&taf6="_s +
           encoded(productHome);
}

} // namespace planetarch
