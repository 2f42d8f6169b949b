// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT

// Where a path leads when only the user's own links are followed, and what a write does there.
// The refusals (another user's links, full disks, pipes) are in the tests of the settings and of
// saving a reading, with the real program around them.

#include "core/wholefile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace planetarch;
using namespace Qt::StringLiterals;

class TestWholeFile : public QObject
{
    Q_OBJECT

private slots:
    void ownLinksAreFollowed_data();
    void ownLinksAreFollowed();
};

void TestWholeFile::ownLinksAreFollowed_data()
{
    QTest::addColumn<QString>("link");  // what the link at "name" holds; empty: no link
    QTest::addColumn<QString>("leads"); // where a write lands, in the folder; empty: refused
    QTest::newRow("no link") << QString() << u"name"_s;
    QTest::newRow("a link to a file") << u"real"_s << u"real"_s;
    QTest::newRow("a dangling link makes its target") << u"sub/new"_s << u"sub/new"_s;
    QTest::newRow("up and down again") << u"sub/../real"_s << u"real"_s;
    QTest::newRow("a link to itself") << u"name"_s << QString();
}

void TestWholeFile::ownLinksAreFollowed()
{
    QFETCH(QString, link);
    QFETCH(QString, leads);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(u"sub"_s));
    const QString name = folder.filePath(u"name"_s);
    if (!link.isEmpty())
        QVERIFY(QFile::link(link, name));
    QString reason;
    const bool written = wholefile::write(name, "bytes", &reason);
    QCOMPARE(written, !leads.isEmpty());
    if (leads.isEmpty()) {
        QVERIFY2(!reason.isEmpty() && !reason.contains(u"Unknown"_s), qPrintable(reason));
        return;
    }
    QFile file(folder.filePath(leads));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), "bytes");
    // The link stays a link.
    QCOMPARE(QFileInfo(name).isSymLink(), !link.isEmpty());
}

QTEST_GUILESS_MAIN(TestWholeFile)
#include "tst_wholefile.moc"
