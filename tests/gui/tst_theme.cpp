// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT

// The theme step after the forms: the typefaces the forms name, and that every widget naming one
// got it at its pixel size (pt * 96 / 72), whatever the desktop's font settings.

#include "gui/aboutdialog.h"
#include "gui/exitwindow.h"
#include "gui/mainwindow.h"
#include "gui/services.h"
#include "gui/widgets/captionedframe.h"
#include "gui/widgets/theme.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace planetarch;
using namespace Qt::StringLiterals;

class TestTheme : public QObject
{
    Q_OBJECT

private slots:
    void typeface_data();
    void typeface();
    void everyNamedTypefaceIsApplied();
    void fixedTextColoursStayReadable_data();
    void fixedTextColoursStayReadable();
    void focusStandsOutOnEveryControl_data() { fixedTextColoursStayReadable_data(); }
    void focusStandsOutOnEveryControl();
};

namespace {

void useDarkPalette()
{
    QPalette palette(QColor(53, 53, 53), QColor(42, 42, 42)); // button, window
    palette.setColor(QPalette::Base, QColor(25, 25, 25));
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::ButtonText, Qt::white);
    QApplication::setPalette(palette);
}

// Whether every middle pixel along each side of the control has, within 6 pixels of that side,
// a pixel that the focus changed by at least 3:1.
bool ringedAllRound(const QImage &before, const QImage &after)
{
    const int w = before.width(), h = before.height();
    auto changed = [&](int x, int y) {
        return theme::contrast(before.pixelColor(x, y), after.pixelColor(x, y)) >= 3.0;
    };
    for (int along = 0; along < 2; ++along) {
        const int length = along ? h : w;
        for (int i = length / 4; i < length * 3 / 4; ++i) {
            bool near = false, far = false;
            for (int d = 0; d < 6; ++d) {
                near = near || (along ? changed(d, i) : changed(i, d));
                far = far || (along ? changed(w - 1 - d, i) : changed(i, h - 1 - d));
            }
            if (!near || !far)
                return false;
        }
    }
    return true;
}

} // namespace

void TestTheme::typeface_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underline");
    QTest::newRow("regular") << u"Verdana 8.25"_s << u"Verdana"_s << 11 << false << false;
    QTest::newRow("bold underlined")
        << u"Verdana 8.25 bold underline"_s << u"Verdana"_s << 11 << true << true;
    QTest::newRow("half points round")
        << u"Verdana 9.75 bold"_s << u"Verdana"_s << 13 << true << false;
    QTest::newRow("quarter points") << u"Verdana 14.25"_s << u"Verdana"_s << 19 << false << false;
    QTest::newRow("a family of three words")
        << u"MS Sans Serif 18"_s << u"MS Sans Serif"_s << 24 << false << false;
}

void TestTheme::typeface()
{
    QFETCH(QString, face);
    QFETCH(QString, family);
    QFETCH(int, pixels);
    QFETCH(bool, bold);
    QFETCH(bool, underline);
    const QFont font = theme::typeface(face);
    QCOMPARE(font.family(), family);
    QCOMPARE(font.pixelSize(), pixels);
    QCOMPARE(font.bold(), bold);
    QCOMPARE(font.underline(), underline);
}

void TestTheme::everyNamedTypefaceIsApplied()
{
    Services services;
    services.draw = [] { return 0.0f; };
    MainWindow main(services);
    AboutDialog about;
    ExitWindow exitWindow(services);
    int named = 0;
    for (QWidget *window : std::initializer_list<QWidget *>{&main, &about, &exitWindow}) {
        QList<QWidget *> widgets = window->findChildren<QWidget *>();
        widgets << window;
        for (const QWidget *widget : std::as_const(widgets)) {
            const QString face = widget->property("typeface").toString();
            if (face.isEmpty())
                continue;
            ++named;
            const QFont expected = theme::typeface(face);
            QVERIFY2(widget->font().pixelSize() == expected.pixelSize() &&
                         widget->font().family() == expected.family() &&
                         widget->font().bold() == expected.bold(),
                     qPrintable(widget->objectName()));
        }
    }
    QVERIFY(named > 20);
    // Captions are drawn in their own typeface: the controls inside keep the window's font.
    const auto *frame = main.findChild<CaptionedFrame *>(u"fraName"_s);
    QCOMPARE(frame->property("captionTypeface").toString(), u"Verdana 8.25 bold"_s);
    QVERIFY(!main.findChild<QWidget *>(u"txtName"_s)->font().bold());
}

void TestTheme::fixedTextColoursStayReadable_data()
{
    QTest::addColumn<bool>("dark");
    QTest::newRow("light desktop palette") << false;
    QTest::newRow("dark desktop palette") << true; // as qt6ct's "darker" scheme with Fusion
}

// Every text colour the forms fix is at least 4.5:1 against its face, wherever that face is left
// to the desktop; the visit button's stays the design's blue.
void TestTheme::fixedTextColoursStayReadable()
{
    QFETCH(bool, dark);
    const QPalette before = QApplication::palette();
    if (dark)
        useDarkPalette();
    Services services;
    MainWindow main(services);
    AboutDialog about;
    ExitWindow exitWindow(services);
    QStringList unreadable;
    for (QWidget *window : std::initializer_list<QWidget *>{&main, &about, &exitWindow}) {
        QList<QWidget *> widgets = window->findChildren<QWidget *>();
        for (const QWidget *widget : std::as_const(widgets)) {
            const QVariant text = widget->property("foreground");
            const auto role = qobject_cast<const QAbstractButton *>(widget) ? QPalette::Button
                              : qobject_cast<const QLineEdit *>(widget)     ? QPalette::Base
                                                                            : QPalette::Window;
            // A button's or field's face is its own; a label shows what is behind it.
            bool leftToTheDesktop = text.isValid();
            for (const QWidget *w = widget; w && leftToTheDesktop;
                 w = role == QPalette::Window ? w->parentWidget() : nullptr)
                leftToTheDesktop = !w->property("background").isValid();
            const qreal ratio =
                theme::contrast(text.value<QColor>(), widget->palette().color(role));
            if (leftToTheDesktop && ratio < 4.5)
                unreadable << u"%1 %2:1"_s.arg(widget->objectName()).arg(ratio, 0, 'f', 1);
        }
    }
    auto *visit = exitWindow.findChild<QAbstractButton *>(u"Check1"_s);
    const QColor face = visit->palette().color(QPalette::Button);
    QApplication::setPalette(before);
    QCOMPARE(unreadable, QStringList());
    QCOMPARE(visit->palette().color(QPalette::ButtonText), QColor(0, 0, 192));
    if (!dark) // nothing changes where the desktop's face already suits the text
        QCOMPARE(face, before.color(QPalette::Button));
}

// Every button, link and picture the keyboard reaches shows its focus as a ring that stands out at
// least 3:1 from what it replaces, on every side, whatever the face.
void TestTheme::focusStandsOutOnEveryControl()
{
    QFETCH(bool, dark);
    const QPalette before = QApplication::palette();
    if (dark)
        useDarkPalette();
    Services services;
    services.draw = [] { return 0.95f; };
    MainWindow main(services);
    AboutDialog about;
    ExitWindow exitWindow(services);
    QStringList plain, checked;
    for (QWidget *window : std::initializer_list<QWidget *>{&main, &about, &exitWindow}) {
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        auto *elsewhere = window->findChild<QLineEdit *>();
        const QList<QWidget *> widgets = window->findChildren<QWidget *>();
        for (QWidget *control : widgets) {
            if (!control->isVisible() || !(control->focusPolicy() & Qt::TabFocus) ||
                !(qobject_cast<QAbstractButton *>(control) || qobject_cast<QLabel *>(control)))
                continue;
            if (elsewhere)
                elsewhere->setFocus();
            else
                control->clearFocus();
            QTRY_VERIFY(!control->hasFocus());
            const QImage unfocused = control->grab().toImage();
            control->setFocus(Qt::TabFocusReason);
            QTRY_VERIFY(control->hasFocus());
            checked << control->objectName();
            if (!ringedAllRound(unfocused, control->grab().toImage()))
                plain << control->objectName();
        }
        window->hide();
    }
    QApplication::setPalette(before);
    QCOMPARE(plain, QStringList());
    for (const char *name : {"cmdProceed", "lblCobrand", "cmdOK", "picIcon", "lblHomePage",
                             "Check1", "Picture1", "cmdSubmit", "lblGoToHome", "cmdClose"})
        QVERIFY2(checked.contains(QLatin1StringView(name)), name);
}

QTEST_MAIN(TestTheme)
#include "tst_theme.moc"
