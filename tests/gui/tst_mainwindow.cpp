// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "core/entryrules.h"
#include "core/limits.h"
#include "core/readingengine.h"
#include "core/webaddresses.h"
#include "gui/mainwindow.h"
#include "support/archetypes.h"
#include "support/messagerecorder.h"
#include "support/textfit.h"
#include "support/urlrecorder.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

using namespace planetarch;
using namespace planetarch::testing;
using namespace Qt::StringLiterals;

namespace {

struct Typed
{
    QString name;
    int day;
    QString month;
    int year;
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsWithTheEntryPanel();
    void reading_data();
    void reading();
    void dateRules_data();
    void dateRules();
    void blankNameIsRefused_data();
    void blankNameIsRefused();
    void nameFilter_data();
    void nameFilter();
    void textRoutes_data();
    void textRoutes();
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void hugePasteIsCut();
    void backResetsTheEntry();
    void backThenProceedAsksForTheName();
    void secondReadingReplacesTheFirst();
    void tabOrder();
    void hiddenPanelKeepsItsAccessKeysToItself();
    void altDIsTheShownPanels_data();
    void altDIsTheShownPanels();
    void everyTextFitsItsRectangle();

private:
    template <typename T> T *child(const QString &name) const
    {
        T *found = m_window->findChild<T *>(name);
        if (!found)
            qFatal("no child %s", qPrintable(name));
        return found;
    }
    // What a value label of the result panel shows; nothing before the first reading builds it.
    QString value(int row) const
    {
        const auto *label = m_window->findChild<QLabel *>(u"lblResult%1"_s.arg(row));
        return label ? label->text() : QString();
    }
    QWidget *panelInFront() const;
    void enter(const Typed &entry);
    void press() { QTest::mouseClick(child<QPushButton>(u"cmdProceed"_s), Qt::LeftButton); }
    QImage shownPicture() const;

    Services m_services;
    MainWindow *m_window = nullptr;
};

void TestMainWindow::init()
{
    m_services.draw = [] { return 0.95f; }; // the same banner every time
    m_window = new MainWindow(m_services);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    child<QLineEdit>(u"txtName"_s)->setFocus();
}

void TestMainWindow::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

// Which panel a click in the panels' rectangle would reach: the one really in front.
QWidget *TestMainWindow::panelInFront() const
{
    QWidget *client = m_window->centralWidget();
    const QWidget *panels = child<QWidget>(u"fraMain"_s)->parentWidget();
    QWidget *hit = client->childAt(panels->geometry().center());
    while (hit && hit->objectName() != u"fraMain"_s && hit->objectName() != u"fraResult"_s)
        hit = hit->parentWidget();
    return hit;
}

void TestMainWindow::enter(const Typed &entry)
{
    auto *name = child<QLineEdit>(u"txtName"_s);
    name->clear();
    QTest::keyClicks(name, entry.name);
    child<QComboBox>(u"cboDate"_s)->setCurrentIndex(entry.day - 1);
    auto *month = child<QComboBox>(u"cboMonth"_s);
    month->setCurrentIndex(month->findText(entry.month));
    auto *year = child<QComboBox>(u"cboYear"_s);
    year->setCurrentIndex(year->findText(QString::number(entry.year)));
}

QImage TestMainWindow::shownPicture() const
{
    return child<QLabel>(u"picPlanet"_s)->pixmap().toImage();
}

void TestMainWindow::startsWithTheEntryPanel()
{
    QCOMPARE(panelInFront()->objectName(), u"fraMain"_s);
    QVERIFY(child<QLineEdit>(u"txtName"_s)->text().isEmpty());
    const struct
    {
        const char *list;
        int count;
        const char *first;
        const char *last;
    } lists[] = {{"cboDate", 31, "1", "31"},
                 {"cboMonth", 12, "January", "December"},
                 {"cboYear", 151, "1900", "2050"}};
    for (const auto &expected : lists) {
        auto *list = child<QComboBox>(QString::fromLatin1(expected.list));
        QCOMPARE(list->count(), expected.count);
        QCOMPARE(list->currentText(), QString::fromLatin1(expected.first));
        QCOMPARE(list->itemText(list->count() - 1), QString::fromLatin1(expected.last));
        QVERIFY(!list->isEditable());
    }
}

void TestMainWindow::reading_data()
{
    QTest::addColumn<Typed>("entry");
    QTest::newRow("a sign of two rulers") << Typed{u"Ann"_s, 1, u"November"_s, 1980};
    QTest::newRow("a sign of one ruler, in 1900") << Typed{u"Queen Mary"_s, 1, u"August"_s, 1900};
    QTest::newRow("in 2050, another name") << Typed{u"Zed"_s, 31, u"August"_s, 2050};
    QTest::newRow("the queen, whoever asks") << Typed{u"King Bob"_s, 1, u"July"_s, 1950};
}

// The panel shows the engine's reading of the entry: its eight values and its planet's picture.
void TestMainWindow::reading()
{
    QFETCH(Typed, entry);
    MessageRecorder messages(m_services);

    enter(entry);
    press();

    QVERIFY(messages.shown.isEmpty());
    QCOMPARE(panelInFront()->objectName(), u"fraResult"_s);
    const ArchetypeReading expected =
        *readingengine::readingFor(entry.day, monthItems().indexOf(entry.month) + 1);
    const auto rows = expected.rows();
    for (int row = 0; row < 8; ++row)
        QCOMPARE(value(row), rows[std::size_t(row)].value);
    const QString picture =
        u":/planets/"_s + archetypeOf(expected.planet).name.toString().toLower() + u".png"_s;
    QCOMPARE(shownPicture(), QImage(picture));
    QCOMPARE(child<QLabel>(u"picPlanet"_s)->size(), QImage(picture).size() + QSize(2, 2));

    // The reading is about the planet only: the name appears nowhere on the result panel.
    const QList<QLabel *> labels = child<QWidget>(u"fraResult"_s)->findChildren<QLabel *>();
    for (const QLabel *label : labels)
        QVERIFY(!label->text().contains(entry.name));
    // The entry panel is out of sight and out of reach.
    QVERIFY(!child<QWidget>(u"fraMain"_s)->isVisible());
}

void TestMainWindow::dateRules_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("message"); // empty when the date is accepted

    const QString february = u"Please Enter Correct Date Or Month!"_s;
    const QString thirtyDays = u"Please Enter Correct Date Or Month !"_s;
    QTest::newRow("29 Feb 1900, a century that is not a leap year")
        << 29 << u"February"_s << 1900 << february;
    QTest::newRow("29 Feb 1901") << 29 << u"February"_s << 1901 << february;
    QTest::newRow("29 Feb 2000") << 29 << u"February"_s << 2000 << QString();
    QTest::newRow("29 Feb 2004") << 29 << u"February"_s << 2004 << QString();
    QTest::newRow("28 Feb 1900") << 28 << u"February"_s << 1900 << QString();
    QTest::newRow("30 Feb 2000") << 30 << u"February"_s << 2000 << february;
    QTest::newRow("31 Feb 2001") << 31 << u"February"_s << 2001 << february;
    QTest::newRow("31 Apr") << 31 << u"April"_s << 1990 << thirtyDays;
    QTest::newRow("31 Jun") << 31 << u"June"_s << 1990 << thirtyDays;
    QTest::newRow("31 Sep") << 31 << u"September"_s << 1990 << thirtyDays;
    QTest::newRow("31 Nov") << 31 << u"November"_s << 1990 << thirtyDays;
    QTest::newRow("30 Apr") << 30 << u"April"_s << 1990 << QString();
    for (const char *month : {"January", "March", "May", "July", "August", "October", "December"})
        QTest::addRow("31 %s", month) << 31 << QString::fromLatin1(month) << 1990 << QString();
}

void TestMainWindow::dateRules()
{
    QFETCH(int, day);
    QFETCH(QString, month);
    QFETCH(int, year);
    QFETCH(QString, message);
    MessageRecorder messages(m_services);

    enter({u"Ann"_s, day, month, year});
    auto *proceed = child<QPushButton>(u"cmdProceed"_s);
    proceed->setFocus();
    press();

    if (message.isEmpty()) {
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(panelInFront()->objectName(), u"fraResult"_s);
        return;
    }
    QCOMPARE(messages.texts(), QStringList{message});
    QCOMPARE(messages.shown.first().icon, messages::Icon::Information);
    QCOMPARE(panelInFront()->objectName(), u"fraMain"_s);
    QCOMPARE(QApplication::focusWidget(), proceed); // date messages leave the focus alone
    QVERIFY(value(0).isEmpty());
}

void TestMainWindow::blankNameIsRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("month");
    QTest::newRow("empty") << QString() << 1 << u"January"_s;
    QTest::newRow("only blanks") << u"   "_s << 1 << u"January"_s;
    QTest::newRow("empty, with 30 February as well") << QString() << 30 << u"February"_s;
}

void TestMainWindow::blankNameIsRefused()
{
    QFETCH(QString, name);
    QFETCH(int, day);
    QFETCH(QString, month);
    MessageRecorder messages(m_services);

    enter({name, day, month, 1901});
    child<QPushButton>(u"cmdProceed"_s)->setFocus();
    press();

    QCOMPARE(messages.texts(), QStringList{u"Please Enter Name"_s});
    QCOMPARE(messages.shown.first().icon, messages::Icon::Critical);
    QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(u"txtName"_s));
    QCOMPARE(panelInFront()->objectName(), u"fraMain"_s);
}

void TestMainWindow::nameFilter_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("text"); // what the keyboard types
    QTest::addColumn<QString>("name"); // the box afterwards, starting from "Ann"
    QTest::addColumn<bool>("refused");

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    QTest::newRow("digit") << int(Qt::Key_5) << none << u"5"_s << u"Ann"_s << true;
    QTest::newRow("accented letter")
        << int(Qt::Key_Eacute) << none << u"\u00e9"_s << u"Ann"_s << true;
    QTest::newRow("Enter") << int(Qt::Key_Return) << none << u"\r"_s << u"Ann"_s << true;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << none << u"\x1b"_s << u"Ann"_s << true;
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << Qt::KeyboardModifiers(Qt::ControlModifier)
                            << u"\x16"_s << u"Ann"_s << true;
    QTest::newRow("small letter") << int(Qt::Key_E) << none << u"e"_s << u"Anne"_s << false;
    QTest::newRow("capital letter") << int(Qt::Key_Z) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                    << u"Z"_s << u"AnnZ"_s << false;
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << none << u"\b"_s << u"An"_s << false;
    QTest::newRow("arrow types nothing")
        << int(Qt::Key_Left) << none << QString() << u"Ann"_s << false;
    // Modifiers do not open a way around the filter.
    const auto alt = Qt::KeyboardModifiers(Qt::AltModifier);
    QTest::newRow("Alt+5") << int(Qt::Key_5) << alt << u"5"_s << u"Ann"_s << true;
    QTest::newRow("Alt+minus") << int(Qt::Key_Minus) << alt << u"-"_s << u"Ann"_s << true;
    QTest::newRow("Meta+5") << int(Qt::Key_5) << Qt::KeyboardModifiers(Qt::MetaModifier) << u"5"_s
                            << u"Ann"_s << true;
    QTest::newRow("Alt+letter types the letter")
        << int(Qt::Key_E) << alt << u"e"_s << u"Anne"_s << false;
    QTest::newRow("Ctrl+Backspace")
        << int(Qt::Key_Backspace) << Qt::KeyboardModifiers(Qt::ControlModifier) << u"\b"_s
        << u"Ann"_s << true;
}

void TestMainWindow::nameFilter()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, text);
    QFETCH(QString, name);
    QFETCH(bool, refused);

    auto *box = child<QLineEdit>(u"txtName"_s);
    QTest::keyClicks(box, u"Ann"_s);
    QApplication::clipboard()->setText(u"Bob"_s);
    MessageRecorder messages(m_services);
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key(key), text, modifiers);

    QCOMPARE(box->text(), name);
    QCOMPARE(messages.texts(),
             refused ? QStringList{u"First Name Can Accept Text Only"_s} : QStringList());
    if (refused) {
        QCOMPARE(messages.shown.first().icon, messages::Icon::Critical);
        QCOMPARE(QApplication::focusWidget(), box);
    }
}

void TestMainWindow::textRoutes_data()
{
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("commit");
    QTest::addColumn<QString>("name"); // the box afterwards, starting from "Ann"
    QTest::addColumn<bool>("refused");
    const QString im = u"input method"_s;
    QTest::newRow("composed e circumflex") << im << u"\u00ea"_s << u"Ann"_s << true;
    QTest::newRow("letter then digit") << im << u"\u00ea7"_s << u"Ann"_s << true;
    QTest::newRow("digit") << im << u"7"_s << u"Ann"_s << true;
    QTest::newRow("plain letters") << im << u"e Lee"_s << u"Anne Lee"_s << false;
    // A paste key carries no character, and a drop no key: both meet the typed keys' rule.
    QTest::newRow("Shift+Insert, path characters")
        << u"Shift+Insert"_s << u"A/b:c*?1"_s << u"Ann"_s << true;
    QTest::newRow("Shift+Insert, right-to-left override")
        << u"Shift+Insert"_s << u"\u202Egnp.exe"_s << u"Ann"_s << true;
    QTest::newRow("Shift+Insert, letters")
        << u"Shift+Insert"_s << u"e Lee"_s << u"Anne Lee"_s << false;
    QTest::newRow("menu paste, apostrophe and digit")
        << u"menu paste"_s << u"O'Brien 3"_s << u"Ann"_s << true;
    QTest::newRow("drop, Arabic letters")
        << u"drop"_s << u"\u0639\u0644\u064a"_s << u"Ann"_s << true;
    // Dragged out of an editor with no modifier key: a move, which the editor completes by
    // deleting its text only when the box reports the drop as a move.
    QTest::newRow("move, a sentence")
        << u"move"_s << u"Ann Smith, born 12 May 1990"_s << u"Ann"_s << true;
    QTest::newRow("move, letters") << u"move"_s << u" Lee"_s << u"Ann Lee"_s << false;
    const QString letters(limits::NameLength, u'a');
    QTest::newRow("move, cut at the length limit")
        << u"move"_s << letters << (u"Ann"_s + letters).left(limits::NameLength) << false;
    // A screen reader edits through the box's accessible text: a set, an insertion at the end, a
    // replacement of the whole.
    QTest::newRow("screen reader set, digits and an override")
        << u"set"_s << u"Zo\u00eb 42 \u202Eevil"_s << u"Ann"_s << true;
    QTest::newRow("screen reader insert, a line separator")
        << u"insert"_s << u"\u2028"_s << u"Ann"_s << true;
    QTest::newRow("screen reader replace, Hebrew letters")
        << u"replace"_s << u"\u05d0\u05d1"_s << u"Ann"_s << true;
    QTest::newRow("screen reader set, letters") << u"set"_s << u"Zoe"_s << u"Zoe"_s << false;
    QTest::newRow("screen reader insert, letters")
        << u"insert"_s << u" Lee"_s << u"Ann Lee"_s << false;
    QTest::newRow("screen reader replace, letters") << u"replace"_s << u"Bo"_s << u"Bo"_s << false;
}

// Text that comes by another route than a key press: dead keys, compose and input methods
// deliver a commit; a paste, a drop or a screen reader deliver it whole.
void TestMainWindow::textRoutes()
{
    QFETCH(QString, route);
    QFETCH(QString, commit);
    QFETCH(QString, name);
    QFETCH(bool, refused);

    auto *box = child<QLineEdit>(u"txtName"_s);
    QTest::keyClicks(box, u"Ann"_s);
    MessageRecorder messages(m_services);
    if (route == u"Shift+Insert") {
        QApplication::clipboard()->setText(commit);
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
    } else if (route == u"menu paste") {
        QApplication::clipboard()->setText(commit);
        box->paste();
    } else if (route == u"drop" || route == u"move") {
        QMimeData data;
        data.setText(commit);
        const QPoint at = box->rect().center();
        // An editor's drag offers a copy and a move, and proposes the move; the test platform's
        // drag proposes it for Shift.
        const bool move = route == u"move";
        const Qt::DropActions offered = move ? Qt::CopyAction | Qt::MoveAction : Qt::CopyAction;
        const Qt::KeyboardModifiers keys = move ? Qt::ShiftModifier : Qt::NoModifier;
        QDragEnterEvent enter(at, offered, &data, Qt::LeftButton, keys);
        QApplication::sendEvent(box, &enter);
        QDragMoveEvent over(at, offered, &data, Qt::LeftButton, keys);
        QApplication::sendEvent(box, &over);
        QDropEvent drop(at, offered, &data, Qt::LeftButton, keys);
        const Qt::DropAction proposed = drop.proposedAction();
        QCOMPARE(proposed, move ? Qt::MoveAction : Qt::CopyAction);
        QApplication::sendEvent(box, &drop);
        // What the source is told while over the box (an X11 source acts on that) and at the
        // drop: a move only when the box takes the whole text.
        const bool whole = !refused && name.endsWith(commit);
        QCOMPARE(over.dropAction(), whole ? proposed : Qt::CopyAction);
        QCOMPARE(drop.isAccepted(), !refused);
        if (!refused)
            QCOMPARE(drop.dropAction(), whole ? proposed : Qt::CopyAction);
    } else if (route == u"set" || route == u"insert" || route == u"replace") {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(box);
        if (route == u"set")
            accessible->setText(QAccessible::Value, commit);
        else if (route == u"insert")
            accessible->editableTextInterface()->insertText(3, commit);
        else
            accessible->editableTextInterface()->replaceText(0, 3, commit);
    } else {
        QInputMethodEvent composing(u"^"_s, {});
        QApplication::sendEvent(box, &composing);
        QInputMethodEvent committed;
        committed.setCommitString(commit);
        QApplication::sendEvent(box, &committed);
    }

    QCOMPARE(box->text(), name);
    QTRY_COMPARE(messages.texts(),
                 refused ? QStringList{u"First Name Can Accept Text Only"_s} : QStringList());
    QVERIFY(box->inputMethodQuery(Qt::ImSurroundingText).toString() == name);
    QCOMPARE(box->displayText(), name); // the composition is over, nothing of it stays

    // Whatever came before, a paste is still checked: the box never holds text the rule refuses.
    // (A full box takes nothing, so it has nothing to check.)
    if (name.size() == limits::NameLength)
        return;
    const qsizetype said = messages.shown.size();
    QApplication::clipboard()->setText(u"!!<>1\u2028"_s);
    QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(box->text(), name);
    QTRY_COMPARE(messages.shown.size(), said + 1);
}

void TestMainWindow::enterPressesTheFocusedButton_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void TestMainWindow::enterPressesTheFocusedButton()
{
    QFETCH(int, key);
    MessageRecorder messages(m_services);
    enter({u"Ann"_s, 1, u"November"_s, 1980});
    auto *proceed = child<QPushButton>(u"cmdProceed"_s);
    proceed->setFocus();
    QTest::keyClick(proceed, Qt::Key(key));
    QTRY_COMPARE(panelInFront()->objectName(), u"fraResult"_s);

    auto *back = child<QPushButton>(u"cmdBack"_s);
    QCOMPARE(QApplication::focusWidget(), back);
    QTest::keyClick(back, Qt::Key(key));
    QTRY_COMPARE(panelInFront()->objectName(), u"fraMain"_s);
    QVERIFY(child<QLineEdit>(u"txtName"_s)->text().isEmpty());
    QVERIFY(messages.shown.isEmpty());
}

void TestMainWindow::hugePasteIsCut()
{
    auto *box = child<QLineEdit>(u"txtName"_s);
    QApplication::clipboard()->setText(QString(1024 * 1024, u'x'));
    box->paste();
    QCOMPARE(box->text(), QString(254, u'x'));
    MessageRecorder messages(m_services);
    QTest::keyClick(box, Qt::Key_A); // full: a letter types nothing, and is no error
    QCOMPARE(box->text(), QString(254, u'x'));
    QVERIFY(messages.shown.isEmpty());
}

void TestMainWindow::backResetsTheEntry()
{
    enter({u"Ann"_s, 1, u"November"_s, 1980});
    press();
    const QString mars = value(0);

    QTest::mouseClick(child<QPushButton>(u"cmdBack"_s), Qt::LeftButton);

    QCOMPARE(panelInFront()->objectName(), u"fraMain"_s);
    auto *box = child<QLineEdit>(u"txtName"_s);
    QVERIFY(box->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), box);
    QCOMPARE(child<QComboBox>(u"cboDate"_s)->currentText(), u"1"_s);
    QCOMPARE(child<QComboBox>(u"cboMonth"_s)->currentText(), u"January"_s);
    QCOMPARE(child<QComboBox>(u"cboYear"_s)->currentText(), u"1900"_s);
    QCOMPARE(value(0), mars); // the next reading overwrites; nothing is cleared
}

void TestMainWindow::backThenProceedAsksForTheName()
{
    enter({u"Ann"_s, 1, u"November"_s, 1980});
    press();
    QTest::mouseClick(child<QPushButton>(u"cmdBack"_s), Qt::LeftButton);
    MessageRecorder messages(m_services);
    press();
    QCOMPARE(messages.texts(), QStringList{u"Please Enter Name"_s});
}

void TestMainWindow::secondReadingReplacesTheFirst()
{
    enter({u"Ann"_s, 1, u"November"_s, 1980});
    press();
    QTest::mouseClick(child<QPushButton>(u"cmdBack"_s), Qt::LeftButton);
    enter({u"Ann"_s, 1, u"August"_s, 1980});
    press();
    const auto rows = readingengine::readingFor(1, monthItems().indexOf(u"August"_s) + 1)->rows();
    for (int row = 0; row < 8; ++row)
        QCOMPARE(value(row), rows[std::size_t(row)].value);
    // Auto-sized labels shrink with the shorter texts: no tail of the Mars texts is left over.
    QCOMPARE(child<QLabel>(u"lblResult0"_s)->width(),
             child<QLabel>(u"lblResult0"_s)->sizeHint().width());
}

void TestMainWindow::tabOrder()
{
    QStringList visited;
    for (int step = 0; step < 8; ++step) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // The covered result panel and the hidden banner are not in the way; the links come last.
    QCOMPARE(visited, (QStringList{u"txtName"_s, u"cboDate"_s, u"cboMonth"_s, u"cboYear"_s,
                                   u"cmdProceed"_s, u"Label14"_s, u"lblCobrand"_s, u"txtName"_s}));
}

void TestMainWindow::hiddenPanelKeepsItsAccessKeysToItself()
{
    MessageRecorder messages(m_services);
    auto *box = child<QLineEdit>(u"txtName"_s);
    auto *proceed = child<QPushButton>(u"cmdProceed"_s);
    QTest::keyClicks(box, u"Ann"_s);
    // Alt+D is the Donate menu's, not the covered "&Do It Once Again": the name stays.
    QTest::keyClick(box, Qt::Key_D, Qt::AltModifier);
    QTest::keyClick(box, Qt::Key_G, Qt::AltModifier);
    QTRY_COMPARE(panelInFront()->objectName(), u"fraResult"_s);
    QVERIFY(messages.shown.isEmpty());
    QCOMPARE(box->text(), u"Ann"_s);

    // Now the archetype button is the covered one; its access key does not press it.
    QTRY_VERIFY(!proceed->isDown());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::AltModifier);
    QVERIFY(!proceed->isDown());
}

void TestMainWindow::altDIsTheShownPanels_data()
{
    QTest::addColumn<bool>("reading"); // the result panel in front
    QTest::addColumn<QStringList>("opened");
    QTest::newRow("entry panel: Donate") << false << QStringList{webaddresses::DonatePage};
    QTest::newRow("result panel: Do It Once Again") << true << QStringList();
}

void TestMainWindow::altDIsTheShownPanels()
{
    QFETCH(bool, reading);
    QFETCH(QStringList, opened);
    MessageRecorder messages(m_services);
    UrlRecorder urls;
    if (reading) {
        enter({u"Ann"_s, 1, u"May"_s, 1980});
        press();
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_D, Qt::AltModifier);
    QTRY_COMPARE(urls.addresses(), opened);
    QTRY_COMPARE(panelInFront()->objectName(), u"fraMain"_s); // the button (animated) went back
    QCOMPARE(child<QAction>(u"mnuDonate"_s)->text().contains(u'&'), true);
}

void TestMainWindow::everyTextFitsItsRectangle()
{
    QCOMPARE(textsThatDoNotFit(m_window), QStringList());
    // Every planet that can stay on the panel, with its longest texts.
    const QStringList months = monthItems();
    for (const QString &month : months) {
        MessageRecorder messages(m_services);
        enter({u"Ann"_s, 1, month, 1980});
        press();
        QVERIFY2(textsThatDoNotFit(m_window).isEmpty(), qPrintable(month));
    }
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
