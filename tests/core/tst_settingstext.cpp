// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "core/settingstext.h"

#include <QTest>

using namespace planetarch;
using namespace Qt::StringLiterals;

class TestSettingsText : public QObject
{
    Q_OBJECT

private slots:
    void value_data();
    void value();
    void withValue_data();
    void withValue();
};

void TestSettingsText::value_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("value"); // the reminder's; a null string for none
    QTest::newRow("as QSettings writes it")
        << u"[UpdateReminder]\nLastAsked=2026-12-07T09:00:00\n"_s << u"2026-12-07T09:00:00"_s;
    QTest::newRow("CR LF and blanks")
        << u"[UpdateReminder]\r\n LastAsked = 2026-12-07 \r\n"_s << u"2026-12-07"_s;
    QTest::newRow("another group's key") << u"[Other]\nLastAsked=2026-12-07\n"_s << QString();
    QTest::newRow("after another group")
        << u"[Other]\nLastAsked=1\n\n[UpdateReminder]\nLastAsked=2\n"_s << u"2"_s;
    QTest::newRow("a serialised value, as text")
        << u"[UpdateReminder]\nLastAsked=@Variant(\\0\\0\\0\\x7f)\n"_s
        << u"@Variant(\\0\\0\\0\\x7f)"_s;
    QTest::newRow("empty value") << u"[UpdateReminder]\nLastAsked=\n"_s << u""_s;
    QTest::newRow("no equals sign") << u"[UpdateReminder]\nLastAsked\n"_s << QString();
    QTest::newRow("nothing") << QString() << QString();
}

void TestSettingsText::value()
{
    QFETCH(QString, text);
    QFETCH(QString, value);
    const std::optional<QString> found =
        settingstext::value(text, u"UpdateReminder"_s, u"LastAsked"_s);
    QCOMPARE(found.has_value(), !value.isNull());
    if (found)
        QCOMPARE(*found, value);
}

void TestSettingsText::withValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("written");
    const QString ours = u"[UpdateReminder]\nLastAsked=NEW\n"_s;
    QTest::newRow("into nothing") << QString() << ours;
    QTest::newRow("over the old value") << u"[UpdateReminder]\nLastAsked=OLD\n"_s << ours;
    QTest::newRow("CR LF kept") << u"[UpdateReminder]\r\nLastAsked=OLD\r\n"_s
                                << u"[UpdateReminder]\r\nLastAsked=NEW\r\n"_s;
    QTest::newRow("other groups kept, group added")
        << u"[Other]\nx=\"a, b\"\n"_s << u"[Other]\nx=\"a, b\"\n\n"_s + ours;
    QTest::newRow("added to its group, before the next")
        << u"[UpdateReminder]\nOther=1\n\n[Next]\ny=2\n"_s
        << u"[UpdateReminder]\nOther=1\nLastAsked=NEW\n\n[Next]\ny=2\n"_s;
    QTest::newRow("a file without a last line break")
        << u"[Other]\nx=1"_s << u"[Other]\nx=1\n\n"_s + ours;
}

void TestSettingsText::withValue()
{
    QFETCH(QString, text);
    QFETCH(QString, written);
    const QString result =
        settingstext::withValue(text, u"UpdateReminder"_s, u"LastAsked"_s, u"NEW"_s);
    QCOMPARE(result, written);
    // What was written reads back, and writing it again changes nothing.
    QCOMPARE(settingstext::value(result, u"UpdateReminder"_s, u"LastAsked"_s), u"NEW"_s);
    QCOMPARE(settingstext::withValue(result, u"UpdateReminder"_s, u"LastAsked"_s, u"NEW"_s),
             result);
}

QTEST_APPLESS_MAIN(TestSettingsText)
#include "tst_settingstext.moc"
