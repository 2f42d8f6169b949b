// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT

// The refer-a-friend rules: the address carries the five values and the product page as exactly
// six query items that decode back to what was entered, whatever they hold ("&", "=", "#", line
// breaks, any script); the checks give the first failing verdict; placeholders come and go only
// as the window's fields promise.

#include "core/referral.h"
#include "core/text.h"
#include "fuzzcheck.h"

#include <QUrl>
#include <QUrlQuery>

using namespace planetarch;
using namespace Qt::StringLiterals;

namespace {

bool missing(const QString &value, const QString &placeholder)
{
    return value.isEmpty() || value == placeholder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzzing::Input input(data, size);
    const ReferralValues values{input.text(), input.text(), input.text(), input.text(),
                                input.text()};
    const QString page = u"https://www.orvanel.example/ovrs-refer-a-friend.php"_s;
    const QString home = u"https://www.planetarch.example/"_s;

    const QString address = referralAddress(page, values, home);
    FUZZ_CHECK(address.startsWith(page + u"?taf1="_s));
    const QString query = address.mid(page.size() + 1);
    for (QChar c : query) { // nothing a shell, a URL parser or a browser could read as structure
        const bool plain = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
                           (c >= u'0' && c <= u'9') || QStringView(u"-._~%&=").contains(c);
        FUZZ_CHECK(plain);
    }
    const QStringList items = query.split(u'&');
    FUZZ_CHECK(items.size() == 6);
    const QString expected[] = {values.senderName, values.senderEmail, values.message,
                                values.friendName, values.friendEmail, home};
    for (int i = 0; i < 6; ++i) {
        const QString prefix = u"taf%1="_s.arg(i + 1);
        FUZZ_CHECK(items[i].startsWith(prefix));
        const QString decoded = QUrl::fromPercentEncoding(items[i].mid(prefix.size()).toLatin1());
        // Exactly what was entered, as UTF-8 carries it (a lone surrogate cannot be carried).
        FUZZ_CHECK(decoded == QString::fromUtf8(expected[i].toUtf8()));
    }

    // The form's own address check, then the five values in order.
    const AddressVerdict addresses = checkAddresses(values.senderEmail, values.friendEmail);
    if (values.senderEmail == values.friendEmail)
        FUZZ_CHECK(addresses == AddressVerdict::NotDistinct);
    else
        FUZZ_CHECK((addresses == AddressVerdict::Valid) ==
                   (values.senderEmail.contains(u'@') && values.senderEmail.contains(u'.') &&
                    values.friendEmail.contains(u'@') && values.friendEmail.contains(u'.')));
    const ReferralVerdict verdict = checkReferral(values);
    const ReferralVerdict order[] = {ReferralVerdict::SenderName, ReferralVerdict::SenderEmail,
                                     ReferralVerdict::Message, ReferralVerdict::FriendName,
                                     ReferralVerdict::FriendEmail};
    const QString placeholderOf[] = {placeholders::Name, placeholders::Email, placeholders::Message,
                                     placeholders::FriendName, placeholders::FriendEmail};
    ReferralVerdict first = ReferralVerdict::Valid;
    for (int i = 0; i < 5 && first == ReferralVerdict::Valid; ++i) {
        if (missing(expected[i], placeholderOf[i]))
            first = order[i];
    }
    FUZZ_CHECK(verdict == first);

    // Placeholders: entering a field clears exactly its placeholder, leaving it blank restores it.
    for (int i = 0; i < 5; ++i) {
        const QString in = textOnFocusIn(expected[i], placeholderOf[i]);
        FUZZ_CHECK(in == (trimBlanks(expected[i]) == placeholderOf[i] ? QString() : expected[i]));
        const QString out = textOnFocusOut(expected[i], placeholderOf[i]);
        FUZZ_CHECK(out == (trimBlanks(expected[i]).isEmpty() ? placeholderOf[i] : expected[i]));
    }

    return 0;
}
