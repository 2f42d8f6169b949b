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
    void typedCharacter_data();
    void typedCharacter();
    void trimBlanks_data();
    void trimBlanks();
    void searchItems_data();
    void searchItems();
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

void TestEntryRules::typedCharacter_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code"); // -1: the key types nothing the filter sees

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const auto ctrl = Qt::KeyboardModifiers(Qt::ControlModifier);
    const auto alt = Qt::KeyboardModifiers(Qt::AltModifier);
    QTest::newRow("letter") << int(Qt::Key_A) << none << u"a"_s << int('a');
    QTest::newRow("Return") << int(Qt::Key_Return) << none << u"\r"_s << 13;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << none << u"\r"_s << 13;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << none << u"\x1b"_s << 27;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << none << u"\b"_s << 8;
    QTest::newRow("Ctrl+Backspace") << int(Qt::Key_Backspace) << ctrl << u"\b"_s << 127;
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << ctrl << u"\x16"_s << 22;
    QTest::newRow("Ctrl+V with no text") << int(Qt::Key_V) << ctrl << QString() << 22;
    QTest::newRow("Ctrl+digit") << int(Qt::Key_5) << ctrl << u"5"_s << -1;
    QTest::newRow("Alt+digit") << int(Qt::Key_5) << alt << u"5"_s << int('5');
    QTest::newRow("Meta+minus") << int(Qt::Key_Minus) << Qt::KeyboardModifiers(Qt::MetaModifier)
                                << u"-"_s << int('-');
    QTest::newRow("Alt alone") << int(Qt::Key_Alt) << alt << QString() << -1;
    QTest::newRow("Tab") << int(Qt::Key_Tab) << none << u"\t"_s << -1;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << none << u"\x7f"_s << -1;
    QTest::newRow("arrow") << int(Qt::Key_Left) << none << QString() << -1;
    QTest::newRow("accented letter") << int(Qt::Key_Eacute) << none << u"\u00e9"_s << 0xE9;
    QTest::newRow("outside the BMP") << 0 << none << u"\U0001F600"_s << 0x1F600;
}

void TestEntryRules::typedCharacter()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, text);
    QFETCH(int, code);
    const std::optional<int> typed = planetarch::typedCharacter(key, modifiers, text);
    QCOMPARE(typed.value_or(-1), code);
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

void TestEntryRules::searchItems_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<int>("found");
    const QStringList days = dayItems();
    const QStringList months = monthItems();
    const QStringList years = yearItems();
    QTest::newRow("a first digit moves past the chosen day") << days << u"1"_s << 0 << 9;
    QTest::newRow("two digits name the day") << days << u"12"_s << 9 << 11;
    QTest::newRow("the same digit again moves on") << days << u"1"_s << 9 << 10;
    QTest::newRow("wraps to the top") << days << u"3"_s << 30 << 2;
    QTest::newRow("month by its first letter, any case") << months << u"j"_s << 0 << 5;
    QTest::newRow("month by more letters") << months << u"Ju"_s << 5 << 5;
    QTest::newRow("a longer prefix stays on a match") << years << u"199"_s << 90 << 90;
    QTest::newRow("a whole year") << years << u"1990"_s << 90 << 90;
    QTest::newRow("a year from the start") << years << u"2024"_s << 0 << 124;
    QTest::newRow("nothing matches") << months << u"x"_s << 3 << -1;
    QTest::newRow("nothing typed") << months << QString() << 3 << -1;
    QTest::newRow("an empty list") << QStringList() << u"1"_s << 0 << -1;
}

void TestEntryRules::searchItems()
{
    QFETCH(QStringList, items);
    QFETCH(QString, typed);
    QFETCH(int, chosen);
    QFETCH(int, found);
    QCOMPARE(planetarch::searchItems(items, typed, chosen), found);
}

QTEST_APPLESS_MAIN(TestEntryRules)
#include "tst_entryrules.moc"
