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
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("value"); // the reminder's; null for none
    QTest::newRow("as QSettings writes it")
        << QByteArray("[UpdateReminder]\nLastAsked=2026-12-07T09:00:00\n")
        << QByteArray("2026-12-07T09:00:00");
    QTest::newRow("CR LF and blanks")
        << QByteArray("[UpdateReminder]\r\n LastAsked = 2026-12-07 \r\n")
        << QByteArray("2026-12-07");
    QTest::newRow("another group's key")
        << QByteArray("[Other]\nLastAsked=2026-12-07\n") << QByteArray();
    QTest::newRow("after another group")
        << QByteArray("[Other]\nLastAsked=1\n\n[UpdateReminder]\nLastAsked=2\n") << QByteArray("2");
    QTest::newRow("a serialised value, as text")
        << QByteArray("[UpdateReminder]\nLastAsked=@Variant(\\0\\0\\0\\x7f)\n")
        << QByteArray("@Variant(\\0\\0\\0\\x7f)");
    QTest::newRow("empty value") << QByteArray("[UpdateReminder]\nLastAsked=\n") << QByteArray("");
    QTest::newRow("no equals sign") << QByteArray("[UpdateReminder]\nLastAsked\n") << QByteArray();
    QTest::newRow("after a byte-order mark")
        << QByteArray("\xEF\xBB\xBF[UpdateReminder]\nLastAsked=2\n") << QByteArray("2");
    QTest::newRow("nothing") << QByteArray() << QByteArray();
}

void TestSettingsText::value()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, value);
    const std::optional<QByteArray> found =
        settingstext::value(text, "UpdateReminder", "LastAsked");
    QCOMPARE(found.has_value(), !value.isNull());
    if (found)
        QCOMPARE(*found, value);
}

void TestSettingsText::withValue_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("written");
    const QByteArray ours = QByteArray("[UpdateReminder]\nLastAsked=NEW\n");
    QTest::newRow("into nothing") << QByteArray() << ours;
    QTest::newRow("over the old value") << QByteArray("[UpdateReminder]\nLastAsked=OLD\n") << ours;
    QTest::newRow("CR LF kept") << QByteArray("[UpdateReminder]\r\nLastAsked=OLD\r\n")
                                << QByteArray("[UpdateReminder]\r\nLastAsked=NEW\r\n");
    QTest::newRow("other groups kept, group added")
        << QByteArray("[Other]\nx=\"a, b\"\n") << QByteArray("[Other]\nx=\"a, b\"\n\n") + ours;
    QTest::newRow("added to its group, before the next")
        << QByteArray("[UpdateReminder]\nOther=1\n\n[Next]\ny=2\n")
        << QByteArray("[UpdateReminder]\nOther=1\nLastAsked=NEW\n\n[Next]\ny=2\n");
    QTest::newRow("a byte-order mark kept")
        << QByteArray("\xEF\xBB\xBF[UpdateReminder]\nLastAsked=OLD\n") << "\xEF\xBB\xBF" + ours;
    QTest::newRow("other groups kept byte for byte, invalid UTF-8 too")
        << QByteArray("[Other]\nname=\xC3\x28\xFF\n")
        << QByteArray("[Other]\nname=\xC3\x28\xFF\n\n") + ours;
    QTest::newRow("a file without a last line break")
        << QByteArray("[Other]\nx=1") << QByteArray("[Other]\nx=1\n\n") + ours;
}

void TestSettingsText::withValue()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, written);
    const QByteArray result = settingstext::withValue(text, "UpdateReminder", "LastAsked", "NEW");
    QCOMPARE(result, written);
    // What was written reads back, and writing it again changes nothing.
    QCOMPARE(settingstext::value(result, "UpdateReminder", "LastAsked"), QByteArray("NEW"));
    QCOMPARE(settingstext::withValue(result, "UpdateReminder", "LastAsked", "NEW"), result);
}

QTEST_APPLESS_MAIN(TestSettingsText)
#include "tst_settingstext.moc"
