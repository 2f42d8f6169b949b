// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT

// What one press of the archetype button costs: the engine's resolution alone, and the whole press
// through the window (validation, labels, picture, panel switch).

#include "core/readingengine.h"
#include "gui/mainwindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace planetarch;
using namespace Qt::StringLiterals;

class BenchReading : public QObject
{
    Q_OBJECT

private slots:
    void resolveReading();
    void windowStartUp();
    void pressArchetypeButton();
};

void BenchReading::resolveReading()
{
    ReadingEngine engine;
    int month = 0;
    const QStringList months{u"November"_s, u"August"_s, u"February"_s};
    QBENCHMARK
    {
        engine.resolveReading(1, months[month]);
        month = (month + 1) % months.size();
    }
}

void BenchReading::windowStartUp()
{
    QBENCHMARK
    {
        MainWindow window;
        Q_UNUSED(window);
    }
}

void BenchReading::pressArchetypeButton()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.findChild<QLineEdit *>(u"txtName"_s)->setText(u"Ann"_s);
    auto *month = window.findChild<QComboBox *>(u"cboMonth"_s);
    auto *proceed = window.findChild<QPushButton *>(u"cmdProceed"_s);
    int index = 0;
    QBENCHMARK
    {
        month->setCurrentIndex(index);
        proceed->click();
        index = (index + 1) % 12;
    }
}

QTEST_MAIN(BenchReading)
#include "bench_reading.moc"
