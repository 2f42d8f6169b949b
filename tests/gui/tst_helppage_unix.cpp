// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "core/webaddresses.h"
#include "gui/links.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <sys/stat.h>
#include <unistd.h>

using namespace planetarch;
using namespace Qt::StringLiterals;

// Whose the help page beside the program is, by the owners and modes of the folders on its way.
class TestHelpPage : public QObject
{
    Q_OBJECT

private slots:
    void helpIsThePageBesideTheProgram_data();
    void helpIsThePageBesideTheProgram();
};

void TestHelpPage::helpIsThePageBesideTheProgram_data()
{
    QTest::addColumn<QString>("program"); // the program's folder, in the tree
    QTest::addColumn<QString>("page");    // the help page made in the tree; empty: none
    QTest::addColumn<QString>("made");    // how it was made, when not as usual
    QTest::addColumn<bool>("taken");      // whether it is opened, else the web page
    const QString page = u"share/planetarch/help.html"_s;
    QTest::newRow("installed") << u"games"_s << page << QString() << true;
    QTest::newRow("a build tree") << u"."_s << page << QString() << true;
    QTest::newRow("neither: the web page") << u"games"_s << QString() << QString() << false;
    // Where someone else could have put the page, or a launcher in its place, or could rename the
    // tree away and put another there after the check.
    QTest::newRow("a page anyone may write") << u"games"_s << page << u"page 0666"_s << false;
    QTest::newRow("a folder anyone may write") << u"."_s << page << u"share 0777"_s << false;
    QTest::newRow("a folder above the tree anyone may write")
        << u"."_s << page << u"above 0777"_s << false;
    QTest::newRow("a folder above anyone may write, but sticky")
        << u"."_s << page << u"above 1777"_s << true;
    QTest::newRow("the tree linked from a folder anyone may write")
        << u"games"_s << page << u"linked from above 0777"_s << false;
    QTest::newRow("the tree linked from a folder of the user's")
        << u"games"_s << page << u"linked from above 0755"_s << true;
    QTest::newRow("root, another user's page") << u"games"_s << page << u"page nobody's"_s << false;
    QTest::newRow("root, another user's link to a good page")
        << u"games"_s << page << u"link nobody's"_s << false;
    QTest::newRow("root, the tree in another user's folder")
        << u"games"_s << page << u"above nobody's"_s << false;
}

void TestHelpPage::helpIsThePageBesideTheProgram()
{
    QFETCH(QString, program);
    QFETCH(QString, page);
    QFETCH(QString, made);
    QFETCH(bool, taken);
    if (made.contains(u"nobody's"_s) && ::geteuid() != 0)
        QSKIP("needs root");
    // The tree is made in a folder of its own ("above"), or elsewhere and linked from there.
    QTemporaryDir above;
    QTemporaryDir elsewhere;
    const bool linked = made.startsWith(u"linked"_s);
    const QString tree = above.filePath(u"tree"_s);
    QVERIFY(QDir().mkpath((linked ? elsewhere.path() : tree) + u'/' + program));
    if (linked)
        QVERIFY(QFile::link(elsewhere.path(), tree));
    const QString path = tree + u'/' + page;
    if (!page.isEmpty()) {
        QVERIFY(QDir(tree).mkpath(QFileInfo(page).path()));
        QFile file(made == u"link nobody's"_s ? tree + u"/good.html"_s : path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    // "<what> <how>": the page, a link in its place, its folder or the folder above, given a
    // mode or to nobody.
    const QString what = made.section(u' ', 0, -2);
    const QString how = made.section(u' ', -1);
    if (what == u"link"_s)
        QVERIFY(QFile::link(tree + u"/good.html"_s, path));
    const QString target = what == u"share"_s          ? tree + u"/share"_s
                           : what.endsWith(u"above"_s) ? above.path()
                                                       : path;
    const QByteArray name = QFile::encodeName(target);
    if (how == u"nobody's"_s)
        QCOMPARE(::lchown(name.constData(), 65534, 65534), 0);
    else if (!how.isEmpty())
        QCOMPARE(::chmod(name.constData(), how.toUInt(nullptr, 8)), 0);
    QCOMPARE(links::helpPage(tree + u'/' + program),
             taken ? QUrl::fromLocalFile(QFileInfo(path).canonicalFilePath()).toString()
                   : webaddresses::HelpPage);
}

QTEST_GUILESS_MAIN(TestHelpPage)
#include "tst_helppage_unix.moc"
