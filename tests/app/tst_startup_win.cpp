// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "app/instanceguard.h"
#include "app/settingsfile.h"
#include "core/reminder.h"

#include <QDate>
#include <QSettings>
#include <QTest>

#include <optional>

using namespace planetarch;
using namespace Qt::StringLiterals;

// The Windows stores: the reminder's date as a registry value, and the kernel object that keeps a
// second copy out.
class TestStartupWindows : public QObject
{
    Q_OBJECT

private slots:
    void init() { QSettings(Key, QSettings::NativeFormat).clear(); }
    void cleanup() { QSettings(Key, QSettings::NativeFormat).clear(); }
    void reminderValue_data();
    void reminderValue();
    void secondGuardIsRefused();

private:
    const QString Key = u"HKEY_CURRENT_USER\\Software\\planetarch-tests\\Planetarch"_s;
};

void TestStartupWindows::reminderValue_data()
{
    QTest::addColumn<QVariant>("stored"); // invalid: nothing stored
    QTest::addColumn<ReminderAction>("action");
    // Today is 15 March 2026 in every row; the dates' rules are tst_startuprules'.
    QTest::newRow("first start") << QVariant() << ReminderAction::RecordOnly;
    QTest::newRow("a date, as stored")
        << QVariant(u"2026-03-08T10:00:00"_s) << ReminderAction::Nothing;
    QTest::newRow("a number, no date: heals") << QVariant(20260315) << ReminderAction::RecordOnly;
    QTest::newRow("text, no date: heals") << QVariant(u"soon"_s) << ReminderAction::RecordOnly;
}

// What is stored reads back as the rule expects, and a date stored reads back as written.
void TestStartupWindows::reminderValue()
{
    QFETCH(QVariant, stored);
    QFETCH(ReminderAction, action);
    if (stored.isValid())
        QSettings(Key, QSettings::NativeFormat).setValue(u"UpdateReminder/LastAsked"_s, stored);
    SettingsFile settings(Key);
    QCOMPARE(
        reminderAction(settings.value(u"UpdateReminder"_s, u"LastAsked"_s), QDate(2026, 3, 15)),
        action);
    QVERIFY(settings.setValue(u"UpdateReminder"_s, u"LastAsked"_s, u"2026-03-15T09:00:00"_s));
    QCOMPARE(SettingsFile(Key).value(u"UpdateReminder"_s, u"LastAsked"_s),
             std::optional(u"2026-03-15T09:00:00"_s));
}

void TestStartupWindows::secondGuardIsRefused()
{
    auto running = std::make_unique<InstanceGuard>();
    QVERIFY(running->acquire());
    int raised = 0;
    running->onRaiseRequest([&raised](const QByteArray &) { ++raised; });
    {
        InstanceGuard second;
        QVERIFY(!second.acquire());
        QVERIFY(second.askToRaise({}));
    }
    QTRY_COMPARE(raised, 1);
    // The kernel frees the name with its last holder.
    running.reset();
    InstanceGuard next;
    QVERIFY(next.acquire());
}

QTEST_GUILESS_MAIN(TestStartupWindows)
#include "tst_startup_win.moc"
