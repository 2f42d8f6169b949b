// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "core/entryrules.h"
#include "core/text.h"

#include <QTest>

using namespace planetarch;
using namespace Qt::StringLiterals;

class TestEntryRules : public QObject
{
    Q_OBJECT

private slots:
    void nameCharacter_data();
    void nameCharacter();
    void trimBlanks_data();
    void trimBlanks();
};

void TestEntryRules::nameCharacter_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("backspace") << 8 << true;
    QTest::newRow("blank") << 32 << true;
    QTest::newRow("A") << int('A') << true;
    QTest::newRow("Z") << int('Z') << true;
    QTest::newRow("a") << int('a') << true;
    QTest::newRow("z") << int('z') << true;
    QTest::newRow("@ just before A") << int('@') << false;
    QTest::newRow("[ just after Z") << int('[') << false;
    QTest::newRow("` just before a") << int('`') << false;
    QTest::newRow("{ just after z") << int('{') << false;
    QTest::newRow("tab") << 9 << false;
    QTest::newRow("Enter") << 13 << false;
    QTest::newRow("Ctrl+V") << 22 << false;
    QTest::newRow("digit") << int('7') << false;
    QTest::newRow("hyphen") << int('-') << false;
    QTest::newRow("apostrophe") << int('\'') << false;
    QTest::newRow("DEL") << 127 << false;
    QTest::newRow("first code past ASCII") << 128 << false;
    QTest::newRow("e acute") << 0xE9 << false;
    QTest::newRow("Cyrillic a") << 0x430 << false;
}

void TestEntryRules::nameCharacter()
{
    QFETCH(int, code);
    QFETCH(bool, accepted);
    QCOMPARE(isNameCharacter(code), accepted);
}

void TestEntryRules::trimBlanks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trimmed");
    QTest::newRow("blanks both ends") << u"  Ann Lee  "_s << u"Ann Lee"_s;
    QTest::newRow("only blanks") << u"   "_s << QString();
    QTest::newRow("tab stays") << u"\tAnn "_s << u"\tAnn"_s;
    QTest::newRow("CR LF stay") << u"Your Message\r\n"_s << u"Your Message\r\n"_s;
    QTest::newRow("no-break space stays") << u"\u00a0Ann"_s << u"\u00a0Ann"_s;
}

void TestEntryRules::trimBlanks()
{
    QFETCH(QString, text);
    QFETCH(QString, trimmed);
    QCOMPARE(planetarch::trimBlanks(text), trimmed);
}

QTEST_APPLESS_MAIN(TestEntryRules)
#include "tst_entryrules.moc"
