// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "core/paths.h"
#include "core/raiserequest.h"
#include "core/randomdraw.h"
#include "core/reminder.h"

#include <QTest>

#include <limits>

using namespace planetarch;
using namespace Qt::StringLiterals;

class TestStartupRules : public QObject
{
    Q_OBJECT

private slots:
    void reminder_data();
    void reminder();
    void stampReadsBack();
    void farDates_data();
    void farDates();
    void stampThatCannotBeWritten_data();
    void stampThatCannotBeWritten();
    void banner_data();
    void banner();
    void appeal_data();
    void appeal();
    void configFolder_data();
    void configFolder();
    void windowsNames_data();
    void windowsNames();
    void raiseRequest_data();
    void raiseRequest();
};

void TestStartupRules::reminder_data()
{
    QTest::addColumn<std::optional<QString>>("stored");
    QTest::addColumn<ReminderAction>("action");

    // Today is 15 March 2026 in every row.
    QTest::newRow("first start") << std::optional<QString>() << ReminderAction::RecordOnly;
    QTest::newRow("same day") << std::optional(u"2026-03-15T08:00:00"_s) << ReminderAction::Nothing;
    QTest::newRow("14 days ago") << std::optional(u"2026-03-01T10:00:00"_s)
                                 << ReminderAction::Nothing;
    QTest::newRow("14 days ago, late in the day")
        << std::optional(u"2026-03-01T23:59:59"_s) << ReminderAction::Nothing;
    QTest::newRow("15 days ago") << std::optional(u"2026-02-28T10:00:00"_s) << ReminderAction::Ask;
    QTest::newRow("15 days ago, one minute before midnight")
        << std::optional(u"2026-02-28T23:59:00"_s) << ReminderAction::Ask;
    QTest::newRow("a year ago") << std::optional(u"2025-03-15T10:00:00"_s) << ReminderAction::Ask;
    QTest::newRow("14 days ahead")
        << std::optional(u"2026-03-29T10:00:00"_s) << ReminderAction::Nothing;
    QTest::newRow("15 days ahead, clock set back")
        << std::optional(u"2026-03-30T10:00:00"_s) << ReminderAction::Ask;
    QTest::newRow("date only") << std::optional(u"2026-02-01"_s) << ReminderAction::Ask;
    QTest::newRow("with an offset")
        << std::optional(u"2026-03-10T10:00:00+05:00"_s) << ReminderAction::Nothing;
    QTest::newRow("garbage is like nothing stored")
        << std::optional(u"garbage"_s) << ReminderAction::RecordOnly;
    QTest::newRow("30 February is no date")
        << std::optional(u"2024-02-30T10:00:00"_s) << ReminderAction::RecordOnly;
    QTest::newRow("empty text") << std::optional(QString()) << ReminderAction::RecordOnly;
}

void TestStartupRules::reminder()
{
    QFETCH(std::optional<QString>, stored);
    QFETCH(ReminderAction, action);
    QCOMPARE(reminderAction(stored, QDate(2026, 3, 15)), action);
}

void TestStartupRules::stampReadsBack()
{
    const QDateTime now(QDate(2026, 12, 7), QTime(20, 35, 12));
    const QString stamp = reminderStamp(now).value_or(QString());
    QCOMPARE(stamp, u"2026-12-07T20:35:12"_s);
    QCOMPARE(reminderAction(stamp, now.date()), ReminderAction::Nothing);
    QCOMPARE(reminderAction(stamp, now.date().addDays(15)), ReminderAction::Ask);
}

void TestStartupRules::farDates_data()
{
    QTest::addColumn<QDate>("stored");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<ReminderAction>("action");
    const QDate lastAsked(2026, 3, 15);
    QTest::newRow("clock in year 10000") << lastAsked << QDate(10000, 1, 1) << ReminderAction::Ask;
    QTest::newRow("clock in 1 BC") << lastAsked << QDate(-1, 6, 1) << ReminderAction::Ask;
    QTest::newRow("clock two billion years ahead")
        << lastAsked << QDate(2000000000, 1, 1) << ReminderAction::Ask;
    QTest::newRow("clock two billion years back")
        << lastAsked << QDate(-2000000000, 1, 1) << ReminderAction::Ask;
    QTest::newRow("9 January 10000, asked 1 January")
        << QDate(9999, 12, 31) << QDate(10000, 1, 9) << ReminderAction::Nothing;
}

// The arithmetic on its own, for dates whose stamp could not be stored as text.
void TestStartupRules::farDates()
{
    QFETCH(QDate, stored);
    QFETCH(QDate, today);
    QFETCH(ReminderAction, action);
    const QString text = stored.toString(Qt::ISODate);
    QVERIFY(!text.isEmpty());
    QCOMPARE(reminderAction(text, today), action);
    QCOMPARE(reminderAction(text, stored), ReminderAction::Nothing);
}

void TestStartupRules::stampThatCannotBeWritten_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<bool>("written");
    QTest::newRow("an ordinary day") << QDateTime(QDate(2026, 12, 7), QTime(9, 0)) << true;
    QTest::newRow("the last day of 9999") << QDateTime(QDate(9999, 12, 31), QTime(9, 0)) << true;
    QTest::newRow("the first day of year 1") << QDateTime(QDate(1, 1, 1), QTime(9, 0)) << true;
    QTest::newRow("year 10000") << QDateTime(QDate(10000, 1, 1), QTime(9, 0)) << false;
    QTest::newRow("1 BC") << QDateTime(QDate(-1, 1, 1), QTime(9, 0)) << false;
    QTest::newRow("no date at all") << QDateTime() << false;
}

void TestStartupRules::stampThatCannotBeWritten()
{
    QFETCH(QDateTime, now);
    QFETCH(bool, written);
    const std::optional<QString> stamp = reminderStamp(now);
    QCOMPARE(stamp.has_value(), written);
    if (written)
        QCOMPARE(reminderAction(*stamp, now.date()), ReminderAction::Nothing);
}

void TestStartupRules::banner_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<int>("number"); // round(x * 6 + 1): even shows full branding
    QTest::newRow("0") << 0.0f << 1;
    QTest::newRow("just below 1/12") << 0.0833f << 1;
    QTest::newRow("just above 1/12") << 0.0834f << 2;
    QTest::newRow("just below 3/12") << 0.2499f << 2;
    QTest::newRow("3/12 exactly, a half rounds up") << 0.25f << 3;
    QTest::newRow("just below 5/12") << 0.4166f << 3;
    QTest::newRow("just above 5/12") << 0.4167f << 4;
    QTest::newRow("just below 7/12") << 0.5833f << 4;
    QTest::newRow("just above 7/12") << 0.5834f << 5;
    QTest::newRow("9/12 exactly") << 0.75f << 6;
    QTest::newRow("just below 11/12") << 0.9166f << 6;
    QTest::newRow("just above 11/12") << 0.9167f << 7;
    QTest::newRow("largest float below 1") << 0.99999994f << 7;
    QTest::newRow("below 0 counts as 0") << -5.0f << 1;
    QTest::newRow("not a number counts as 0") << std::numeric_limits<float>::quiet_NaN() << 1;
}

void TestStartupRules::banner()
{
    QFETCH(float, x);
    QFETCH(int, number);
    QCOMPARE(randomdraw::showsFullBranding(x), number % 2 == 0);
}

void TestStartupRules::appeal_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<int>("index"); // which of the exit window's four appeals
    QTest::newRow("0") << 0.0f << 0;
    QTest::newRow("just below 1/4") << 0.2499f << 0;
    QTest::newRow("1/4") << 0.25f << 1;
    QTest::newRow("1/2") << 0.5f << 2;
    QTest::newRow("just below 3/4") << 0.7499f << 2;
    QTest::newRow("3/4") << 0.75f << 3;
    QTest::newRow("largest float below 1") << 0.99999994f << 3;
    QTest::newRow("1 itself, the last") << 1.0f << 3;
    QTest::newRow("below 0 counts as 0") << -5.0f << 0;
    QTest::newRow("not a number counts as 0") << std::numeric_limits<float>::quiet_NaN() << 0;
}

void TestStartupRules::appeal()
{
    QFETCH(float, x);
    QFETCH(int, index);
    QCOMPARE(randomdraw::pickOne(x, 4), std::size_t(index));
}

void TestStartupRules::configFolder_data()
{
    QTest::addColumn<QString>("xdg");
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("folder"); // a null string for none
    QTest::newRow("the XDG folder") << u"/home/ann/conf"_s << u"/home/ann"_s << u"/home/ann/conf"_s;
    QTest::newRow("below HOME") << QString() << u"/home/ann/"_s << u"/home/ann/.config"_s;
    QTest::newRow("a relative XDG folder is ignored")
        << u"conf"_s << u"/home/ann"_s << u"/home/ann/.config"_s;
    QTest::newRow("no HOME") << QString() << QString() << QString();
    QTest::newRow("HOME is the root") << QString() << u"/"_s << QString();
    QTest::newRow("XDG is the root, HOME empty") << u"//"_s << u""_s << QString();
    QTest::newRow("a relative HOME") << QString() << u"."_s << QString();
    // Qt takes a leading ":" for its resources, "absolute"; cleaned, ":/.." is "." (the cwd).
    QTest::newRow("a resource path as HOME") << QString() << u":/.."_s << QString();
    QTest::newRow("a resource path as XDG folder")
        << u":/conf"_s << u"/home/ann"_s << u"/home/ann/.config"_s;
}

void TestStartupRules::configFolder()
{
    QFETCH(QString, xdg);
    QFETCH(QString, home);
    QFETCH(QString, folder);
    const std::optional<QString> found = paths::configFolder(xdg, home);
    QCOMPARE(found.value_or(QString()), folder);
    QCOMPARE(found.has_value(), !folder.isNull());
}

void TestStartupRules::windowsNames_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("refusal"); // empty: Windows keeps the file as named
    const QString device = u"Windows keeps this name for a device."_s;
    const QString ending = u"Windows does not keep a dot or a blank at the end of a name."_s;
    const QString pictures = u"C:/Users/Ann/Pictures/"_s;
    QTest::newRow("a reading") << pictures + u"Ann - Mars.png"_s << QString();
    QTest::newRow("a device") << pictures + u"CON"_s << device;
    QTest::newRow("a device, with an extension") << pictures + u"nul.png"_s << device;
    QTest::newRow("a device, with a blank and two extensions")
        << u"C:\\Users\\Ann\\com1 .tar.png"_s << device;
    QTest::newRow("a port with a superscript") << pictures + u"LPT\u00b9.pdf"_s << device;
    QTest::newRow("a device's name inside a longer one")
        << pictures + u"CONSOLE.png"_s << QString();
    QTest::newRow("COM10 is no device") << pictures + u"COM10.png"_s << QString();
    QTest::newRow("a dot at the end") << pictures + u"Ann - Mars.png."_s << ending;
    QTest::newRow("a blank at the end") << pictures + u"Ann - Mars.png "_s << ending;
    QTest::newRow("259 characters") << pictures + QString(259 - pictures.size(), u'a') << QString();
    QTest::newRow("260 characters")
        << pictures + QString(260 - pictures.size(), u'a')
        << u"The path is longer than Windows allows (259 characters)."_s;
}

void TestStartupRules::windowsNames()
{
    QFETCH(QString, path);
    QFETCH(QString, refusal);
    QCOMPARE(paths::windowsRefusal(path), refusal);
}

void TestStartupRules::raiseRequest_data()
{
    QTest::addColumn<QByteArray>("line");  // as read, without its newline
    QTest::addColumn<QByteArray>("token"); // a null one when the line is no request
    QTest::newRow("no token") << QByteArray("RAISE") << QByteArray("");
    QTest::newRow("a compositor's token")
        << QByteArray("RAISE sway-3f2a_9:1") << QByteArray("sway-3f2a_9:1");
    QTest::newRow("200 characters") << "RAISE " + QByteArray(200, 'x') << QByteArray(200, 'x');
    QTest::newRow("201 characters") << "RAISE " + QByteArray(201, 'x') << QByteArray();
    QTest::newRow("lower case") << QByteArray("raise") << QByteArray();
    QTest::newRow("a longer word") << QByteArray("RAISED") << QByteArray();
    QTest::newRow("a blank and nothing") << QByteArray("RAISE ") << QByteArray();
    QTest::newRow("two words") << QByteArray("RAISE t u") << QByteArray();
    QTest::newRow("a carriage return") << QByteArray("RAISE\r") << QByteArray();
    QTest::newRow("not ASCII") << QByteArray("RAISE t\xc3\xa9") << QByteArray();
}

// A request is read back as its token; any other line is none. A token that could not be sent
// as one blank-free line is left out of the request, not mangled.
void TestStartupRules::raiseRequest()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, token);
    QCOMPARE(planetarch::raiseToken(line), token.isNull() ? std::nullopt : std::optional(token));
    const QByteArray request = planetarch::raiseRequest(line.mid(6));
    QCOMPARE(request, token.isNull() ? QByteArray("RAISE\n") : line + '\n');
    QVERIFY(request.size() <= planetarch::RaiseRequestLimit);
}

QTEST_APPLESS_MAIN(TestStartupRules)
#include "tst_startuprules.moc"
