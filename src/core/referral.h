// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

// The rules of the exit window's refer-a-friend form: its placeholders, the checks of a submission
// in their order, and the address that carries the five values to the forum's page.

#include <QString>

namespace planetarch {

namespace placeholders {
inline const QString Name = QStringLiteral("Your Name");
inline const QString Email = QStringLiteral("Your Email Address");
inline const QString Message = QStringLiteral("Your Message");
inline const QString FriendName = QStringLiteral("Friend's Name");
inline const QString FriendEmail = QStringLiteral("Friend's Email Address");
} // namespace placeholders

// A field shows its placeholder while it holds no input: entering it clears the placeholder (an
// exact, case-sensitive match once blanks are trimmed), leaving it empty puts the placeholder back.
QString textOnFocusIn(const QString &text, const QString &placeholder);
QString textOnFocusOut(const QString &text, const QString &placeholder);

// The five values of a submission, each trimmed of blanks.
struct ReferralValues
{
    QString senderName;
    QString senderEmail;
    QString message;
    QString friendName;
    QString friendEmail;
};

// The form's own check of the two addresses: distinct (exact comparison), then both holding an "@"
// and a "." anywhere.
enum class AddressVerdict { Valid, NotDistinct, Improper };
AddressVerdict checkAddresses(const QString &senderEmail, const QString &friendEmail);

// Each value must be neither empty nor its placeholder; the first that fails is the verdict.
enum class ReferralVerdict { Valid, SenderName, SenderEmail, Message, FriendName, FriendEmail };
ReferralVerdict checkReferral(const ReferralValues &values);

// page?taf1=...&taf2=...&taf6=productHome, every value percent-encoded as UTF-8 (all but RFC 3986's
// unreserved characters), so an "&", "=", blank, line break or accented letter arrives intact.
QString referralAddress(const QString &page, const ReferralValues &values,
                        const QString &productHome);

} // namespace planetarch
