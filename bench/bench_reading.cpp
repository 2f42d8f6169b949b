// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT

// One reading as a person sees it: from the press of "Get My Planetary Archetype" until the window
// has drawn the result panel (painted and handed to the window system), for a window's first
// reading and for later ones; the engine's part of it alone; and the save commands, as a picture
// and as a PDF, into a temporary folder.
//
// usage: bench_reading [samples]   (run it on a display, or with QT_QPA_PLATFORM=offscreen)

#include "core/readingengine.h"
#include "gui/mainwindow.h"
#include "gui/readingexport.h"
#include "gui/services.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using namespace planetarch;
using namespace Qt::StringLiterals;

namespace {

// Ends when the window has processed the update request that followed the press (Qt posts it to
// the top-level widget): by then every widget that changed has been painted and the frame handed
// over to the window system.
class FrameWatch : public QObject
{
public:
    explicit FrameWatch(QWidget *window) { window->installEventFilter(this); }
    bool framed = false;
    bool armed = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (armed && event->type() == QEvent::UpdateRequest) {
            armed = false;
            QTimer::singleShot(0, this, [this] { framed = true; });
        }
        return false;
    }
};

double pressUntilDrawn(MainWindow &window, FrameWatch &watch)
{
    auto *proceed = window.findChild<QPushButton *>(u"cmdProceed"_s);
    watch.framed = false;
    watch.armed = true;
    QElapsedTimer timer;
    timer.start();
    QTest::mouseClick(proceed, Qt::LeftButton);
    while (!watch.framed)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return double(timer.nsecsElapsed()) / 1e6;
}

void prepare(MainWindow &window)
{
    window.findChild<QLineEdit *>(u"txtName"_s)->setText(u"Ann"_s);
}

void print(const char *what, std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    std::printf("| %-56s | %8.3f | %8.3f | %8.3f |\n", what, values.front(), median, values.back());
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int samples = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;

    std::vector<double> engine;
    {
        const int months[] = {11, 8, 2}; // November, August, February
        for (int sample = 0; sample < samples; ++sample) {
            QElapsedTimer timer;
            timer.start();
            constexpr int Rounds = 10000;
            for (int round = 0; round < Rounds; ++round)
                readingengine::readingFor(1 + round % 28, months[round % 3]);
            engine.push_back(double(timer.nsecsElapsed()) / 1e3 / Rounds);
        }
    }

    std::vector<double> first;
    std::vector<double> later;
    for (int sample = 0; sample < samples; ++sample) {
        Services services;
        MainWindow window(services);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return 1;
        QTest::qWait(20); // the first frame is out of the way
        FrameWatch watch(&window);
        prepare(window);
        first.push_back(pressUntilDrawn(window, watch));
        auto *month = window.findChild<QComboBox *>(u"cboMonth"_s);
        for (int reading = 0; reading < 3; ++reading) {
            window.findChild<QPushButton *>(u"cmdBack"_s)->click();
            QTest::qWait(5);
            prepare(window);
            month->setCurrentIndex((sample + reading) % 12);
            later.push_back(pressUntilDrawn(window, watch));
        }
    }

    std::vector<double> picture;
    std::vector<double> pdf;
    {
        const PersonalReading reading{{u"Ann"_s, 1, 1, 1980}, *readingengine::readingFor(1, 1)};
        QString lastFolder;
        QTemporaryDir folder;
        Services services;
        services.chooseSavePath = [&folder](QWidget *, const QString &, const QString &,
                                            const QString &suggested) {
            return folder.filePath(QFileInfo(suggested).fileName());
        };
        for (int sample = 0; sample < samples; ++sample) {
            QElapsedTimer timer;
            timer.start();
            readingexport::saveAsPicture(reading, 1.0, lastFolder, services, nullptr);
            picture.push_back(double(timer.nsecsElapsed()) / 1e6);
            timer.start();
            readingexport::saveAsPdf(reading, lastFolder, services, nullptr);
            pdf.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
        std::printf("Saved: a %lld-byte picture, a %lld-byte PDF\n\n",
                    QFileInfo(folder.filePath(u"Ann - Saturn.png"_s)).size(),
                    QFileInfo(folder.filePath(u"Ann - Saturn.pdf"_s)).size());
    }

    std::printf("One reading on %s, %d samples (milliseconds)\n\n",
                qPrintable(QGuiApplication::platformName()), samples);
    std::printf("| %-56s | %8s | %8s | %8s |\n", "measure", "min", "median", "max");
    std::printf("|----------------------------------------------------------|----------|----------|"
                "----------|\n");
    print("press -> result panel drawn, first reading", first);
    print("press -> result panel drawn, later readings", later);
    print("engine alone: readingFor, no window (microseconds)", engine);
    print("save as picture: draw, encode, write whole", picture);
    print("save as PDF: lay out, write whole", pdf);
    return 0;
}
