// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "core/limits.h"
#include "core/referral.h"
#include "core/webaddresses.h"

#include <QTest>
#include <QUrl>

using namespace planetarch;
using namespace Qt::StringLiterals;

class TestReferral : public QObject
{
    Q_OBJECT

private slots:
    void focusIn_data();
    void focusIn();
    void referralChecks_data();
    void referralChecks();
    void valuesArriveIntact_data();
    void valuesArriveIntact();
    void addressShape();
    void longestAddressFitsTheBrowser_data();
    void longestAddressFitsTheBrowser();
};

void TestReferral::focusIn_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("placeholder");
    QTest::addColumn<QString>("after");
    QTest::newRow("placeholder is cleared") << u"Your Name"_s << placeholders::Name << QString();
    QTest::newRow("padded placeholder is cleared")
        << u"  Your Name "_s << placeholders::Name << QString();
    QTest::newRow("other letter case is input")
        << u"your name"_s << placeholders::Name << u"your name"_s;
    QTest::newRow("a tab is not trimmed")
        << u"\tYour Name"_s << placeholders::Name << u"\tYour Name"_s;
    QTest::newRow("message with its CR LF stays")
        << u"Your Message\r\n"_s << placeholders::Message << u"Your Message\r\n"_s;
    QTest::newRow("real input stays")
        << u"ann@example.org"_s << placeholders::Email << u"ann@example.org"_s;
}

void TestReferral::focusIn()
{
    QFETCH(QString, text);
    QFETCH(QString, placeholder);
    QFETCH(QString, after);
    QCOMPARE(textOnFocusIn(text, placeholder), after);
}

void TestReferral::referralChecks_data()
{
    QTest::addColumn<ReferralValues>("values");
    QTest::addColumn<ReferralVerdict>("verdict");
    const ReferralValues valid{u"Ann"_s, u"ann@x.org"_s, u"Hi"_s, u"Bo"_s, u"bo@x.org"_s};
    QTest::newRow("all valid") << valid << ReferralVerdict::Valid;
    auto with = [&valid](QString ReferralValues::*member, const QString &value) {
        ReferralValues changed = valid;
        changed.*member = value;
        return changed;
    };
    QTest::newRow("name is the placeholder")
        << with(&ReferralValues::senderName, placeholders::Name) << ReferralVerdict::SenderName;
    QTest::newRow("name empty") << with(&ReferralValues::senderName, QString())
                                << ReferralVerdict::SenderName;
    QTest::newRow("sender address empty")
        << with(&ReferralValues::senderEmail, QString()) << ReferralVerdict::SenderEmail;
    QTest::newRow("message is the placeholder")
        << with(&ReferralValues::message, placeholders::Message) << ReferralVerdict::Message;
    QTest::newRow("message never touched passes")
        << with(&ReferralValues::message, u"Your Message\r\n"_s) << ReferralVerdict::Valid;
    QTest::newRow("friend's name is the placeholder")
        << with(&ReferralValues::friendName, placeholders::FriendName)
        << ReferralVerdict::FriendName;
    QTest::newRow("friend's address is the placeholder")
        << with(&ReferralValues::friendEmail, placeholders::FriendEmail)
        << ReferralVerdict::FriendEmail;
    QTest::newRow("first failure wins") << ReferralValues{} << ReferralVerdict::SenderName;
}

void TestReferral::referralChecks()
{
    QFETCH(ReferralValues, values);
    QFETCH(ReferralVerdict, verdict);
    QCOMPARE(checkReferral(values), verdict);
}

void TestReferral::valuesArriveIntact_data()
{
    QTest::addColumn<ReferralValues>("values");
    QTest::newRow("plain") << ReferralValues{u"Ann"_s, u"ann@x.org"_s, u"Hello"_s, u"Bo"_s,
                                             u"bo@x.org"_s};
    QTest::newRow("blanks and an ampersand") << ReferralValues{
        u"Ann Lee & Co"_s, u"ann@x.org"_s, u"Try it"_s, u"Bo Bo"_s, u"bo@x.org"_s};
    QTest::newRow("query characters") << ReferralValues{
        u"a=b&taf6=evil"_s, u"a+b@x.org"_s, u"100% sure? #1 /path"_s, u"Bo;x"_s, u"bo@x.org?q=1"_s};
    QTest::newRow("untouched message with CR LF")
        << ReferralValues{u"Ann"_s, u"ann@x.org"_s, u"Your Message\r\n"_s, u"Bo"_s, u"bo@x.org"_s};
    QTest::newRow("letters outside ASCII")
        << ReferralValues{u"Zo\u00eb M\u00fcller"_s, u"z@x.org"_s,
                          u"\u674e\u96f7 \u2013 \U0001F600"_s, u"\u0160\u00e1rka"_s, u"s@x.org"_s};
    QTest::newRow("already percent-encoded text")
        << ReferralValues{u"%41%26"_s, u"a@x.org"_s, u"%0D%0A"_s, u"B"_s, u"b@x.org"_s};
}

void TestReferral::valuesArriveIntact()
{
    QFETCH(ReferralValues, values);
    const QString home = u"https://www.planetarch.example/"_s;
    const QString built =
        referralAddress(u"https://forum.example/ovrs-refer-a-friend.php"_s, values, home);

    // What the browser would receive: the address as a URL.
    const QUrl url(built, QUrl::StrictMode);
    QVERIFY(url.isValid());
    const QString query = url.query(QUrl::FullyEncoded);
    QStringList keys;
    QStringList decoded;
    const QStringList pairs = query.split(u'&');
    for (const QString &pair : pairs) {
        const qsizetype equals = pair.indexOf(u'=');
        QVERIFY(equals > 0);
        keys << pair.left(equals);
        decoded << QUrl::fromPercentEncoding(pair.mid(equals + 1).toLatin1());
    }
    QCOMPARE(keys, (QStringList{u"taf1"_s, u"taf2"_s, u"taf3"_s, u"taf4"_s, u"taf5"_s, u"taf6"_s}));
    QCOMPARE(decoded, (QStringList{values.senderName, values.senderEmail, values.message,
                                   values.friendName, values.friendEmail, home}));
}

void TestReferral::addressShape()
{
    const ReferralValues values{u"Ann Lee"_s, u"ann@x.org"_s, u"Hi"_s, u"Bo"_s, u"bo@x.org"_s};
    QCOMPARE(referralAddress(u"https://f.example/ovrs-refer-a-friend.php"_s, values,
                             u"https://p.example/"_s),
             u"https://f.example/ovrs-refer-a-friend.php?taf1=Ann%20Lee&taf2=ann%40x.org"
             u"&taf3=Hi&taf4=Bo&taf5=bo%40x.org&taf6=https%3A%2F%2Fp.example%2F"_s);
}

void TestReferral::longestAddressFitsTheBrowser_data()
{
    QTest::addColumn<QString>("character"); // what every field is filled with, to its limit
    QTest::newRow("plain letters") << u"a"_s;
    QTest::newRow("blank: 3 characters encoded") << u" "_s;
    QTest::newRow("euro sign: 9 characters encoded") << u"\u20ac"_s;
    QTest::newRow("emoji: two units, 12 characters encoded") << u"\U0001F600"_s;
}

// The fields are bounded so that whatever they hold, the address still goes to the browser.
void TestReferral::longestAddressFitsTheBrowser()
{
    QFETCH(QString, character);
    auto filled = [&character](int length) {
        return character.repeated(length / int(character.size()));
    };
    const ReferralValues values{filled(limits::NameLength), filled(limits::NameLength),
                                filled(limits::MessageLength), filled(limits::NameLength),
                                filled(limits::NameLength)};
    const QString address =
        referralAddress(webaddresses::ReferAFriendPage, values, webaddresses::ProductHomePage);
    QVERIFY2(address.size() <= limits::AddressLength, qPrintable(QString::number(address.size())));
}

QTEST_APPLESS_MAIN(TestReferral)
#include "tst_referral.moc"
