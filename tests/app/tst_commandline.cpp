// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "app/commandline.h"
#include "core/identity.h"

#include <QTest>

using namespace planetarch;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(CommandLine::Action)

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void qtOptionsWithEquals_data();
    void qtOptionsWithEquals();
};

void TestCommandLine::parse_data()
{
    using Action = CommandLine::Action;
    QTest::addColumn<QStringList>("arguments"); // after the program's path
    QTest::addColumn<Action>("action");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("firstLine");

    const QString usage = u"Usage: planetarch [options]"_s;
    QTest::newRow("nothing") << QStringList() << Action::Run << 0 << QString();
    QTest::newRow("--help") << QStringList{u"--help"_s} << Action::Help << 0 << usage;
    QTest::newRow("-h") << QStringList{u"-h"_s} << Action::Help << 0 << usage;
    const QString version = u"planetarch "_s + identity::Version;
    QTest::newRow("--version") << QStringList{u"--version"_s} << Action::Version << 0 << version;
    QTest::newRow("-v") << QStringList{u"-v"_s} << Action::Version << 0 << version;
    QTest::newRow("help wins over version")
        << QStringList{u"-v"_s, u"-h"_s} << Action::Help << 0 << usage;
    QTest::newRow("unknown long option") << QStringList{u"--bogus"_s} << Action::Error << 2
                                         << u"planetarch: Unknown option 'bogus'."_s;
    QTest::newRow("unknown short option")
        << QStringList{u"-x"_s} << Action::Error << 2 << u"planetarch: Unknown option 'x'."_s;
    QTest::newRow("unknown option after a good one")
        << QStringList{u"--version"_s, u"--bogus"_s} << Action::Error << 2
        << u"planetarch: Unknown option 'bogus'."_s;
    QTest::newRow("Qt's -platform")
        << QStringList{u"-platform"_s, u"offscreen"_s} << Action::Run << 0 << QString();
    QTest::newRow("Qt's --style=")
        << QStringList{u"--style=fusion"_s} << Action::Run << 0 << QString();
    QTest::newRow("Qt's -reverse") << QStringList{u"-reverse"_s} << Action::Run << 0 << QString();
    QTest::newRow("Qt's option, then help")
        << QStringList{u"-style"_s, u"fusion"_s, u"--help"_s} << Action::Help << 0 << usage;
    QTest::newRow("a word is no option")
        << QStringList{u"hello"_s} << Action::Run << 0 << QString();
}

void TestCommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(CommandLine::Action, action);
    QFETCH(int, exitCode);
    QFETCH(QString, firstLine);

    const CommandLine command =
        parseCommandLine(QStringList{u"/usr/games/planetarch"_s} + arguments);
    QCOMPARE(command.action, action);
    QCOMPARE(command.exitCode, exitCode);
    QCOMPARE(command.output.section(u'\n', 0, 0), firstLine);
    if (action == CommandLine::Action::Error) // the usage follows the one-line error
        QCOMPARE(command.output.section(u'\n', 1, 1), u"Usage: planetarch [options]"_s);
    if (action == CommandLine::Action::Help) {
        for (const QString &option : {u"-h, --help"_s, u"-v, --version"_s})
            QVERIFY2(command.output.contains(option), qPrintable(option));
        QVERIFY(!command.output.contains(u"platformpluginpath"_s)); // Qt's own stay hidden
    }
}

void TestCommandLine::qtOptionsWithEquals_data()
{
    QTest::addColumn<QStringList>("arguments"); // after the program's path
    QTest::addColumn<QStringList>("forQt");
    QTest::newRow("--platform=") << QStringList{u"--platform=offscreen"_s}
                                 << QStringList{u"-platform"_s, u"offscreen"_s};
    QTest::newRow("-platform=") << QStringList{u"-platform=xcb"_s}
                                << QStringList{u"-platform"_s, u"xcb"_s};
    QTest::newRow("-platform, as Qt reads it")
        << QStringList{u"-platform"_s, u"wayland"_s} << QStringList{u"-platform"_s, u"wayland"_s};
    QTest::newRow("--style=, value with =")
        << QStringList{u"--stylesheet=a=b.qss"_s} << QStringList{u"-stylesheet"_s, u"a=b.qss"_s};
    QTest::newRow("a word with = stays") << QStringList{u"x=1"_s} << QStringList{u"x=1"_s};
}

void TestCommandLine::qtOptionsWithEquals()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, forQt);
    const QString program = u"/usr/games/planetarch"_s;
    const CommandLine command = parseCommandLine(QStringList{program} + arguments);
    QCOMPARE(command.action, CommandLine::Action::Run);
    QCOMPARE(command.qtArguments, QStringList{program} + forQt);
}

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
