// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT

// Renders the program's windows to PNG for the README and the software centre:
// `make screenshots` writes docs/screenshots/. The windows are the real ones, under the offscreen
// platform, so nothing appears on screen and no settings or lock are touched. The reading saved as
// a picture, as File > Save Reading as Picture writes it, lands beside them as reading.png.

#include "core/readingengine.h"
#include "gui/aboutdialog.h"
#include "gui/exitwindow.h"
#include "gui/mainwindow.h"
#include "gui/readingexport.h"
#include "gui/services.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QTextStream>

using namespace planetarch;
using namespace Qt::StringLiterals;

namespace {

bool save(QWidget *window, const QDir &folder, const QString &name, QTextStream &log)
{
    window->show();
    QApplication::processEvents();
    const QString path = folder.filePath(name);
    const bool ok = window->grab().save(path);
    log << (ok ? "wrote " : "FAILED ") << path << '\n';
    return ok;
}

// The window with one of its menus dropped down, as a person sees it: the menu is a window of its
// own, so the two pictures are put together.
bool saveWithMenu(QMainWindow *window, const QString &menuName, const QDir &folder,
                  const QString &name, QTextStream &log)
{
    auto *menu = window->findChild<QMenu *>(menuName);
    const QRect item = window->menuBar()->actionGeometry(menu->menuAction());
    menu->popup(window->menuBar()->mapToGlobal(item.bottomLeft()));
    QApplication::processEvents();
    QPixmap shot = window->grab();
    QPainter painter(&shot);
    painter.drawPixmap(window->mapFromGlobal(menu->pos()), menu->grab());
    painter.end();
    menu->hide();
    const QString path = folder.filePath(name);
    const bool ok = shot.save(path);
    log << (ok ? "wrote " : "FAILED ") << path << '\n';
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTextStream log(stdout);
    // On a screen scaled to 200 % (QT_SCALE_FACTOR=2) only the reading is written, as
    // main-result@2x.png: it shows the sharp pictures and text.
    if (app.arguments().size() != 2) {
        log << "usage: screenshots <folder>\n";
        return 2;
    }
    const bool scaled = app.devicePixelRatio() > 1.0;
    const QDir folder(app.arguments().at(1));
    folder.mkpath(u"."_s);
    Services services;
    services.draw = [] { return 0.3f; }; // always the same banner and appeal

    bool ok = true;
    MainWindow main(services);
    main.findChild<QLineEdit *>(u"txtName"_s)->setText(u"Ann"_s);
    main.findChild<QComboBox *>(u"cboMonth"_s)->setCurrentText(u"November"_s);
    main.findChild<QComboBox *>(u"cboYear"_s)->setCurrentText(u"1980"_s);
    if (!scaled)
        ok &= save(&main, folder, u"main-entry.png"_s, log);
    main.findChild<QPushButton *>(u"cmdProceed"_s)->click();
    ok &= save(&main, folder, scaled ? u"main-result@2x.png"_s : u"main-result.png"_s, log);
    if (scaled)
        return ok ? 0 : 1;
    ok &= saveWithMenu(&main, u"mnuFile"_s, folder, u"menu-file.png"_s, log);

    AboutDialog about;
    ok &= save(&about, folder, u"about.png"_s, log);

    ExitWindow exitWindow(services);
    ok &= save(&exitWindow, folder, u"exit.png"_s, log);

    const QString picture = folder.filePath(u"reading.png"_s);
    services.chooseSavePath = [&picture](QWidget *, const QString &, const QString &,
                                         const QString &) { return picture; };
    services.present = [&ok, &log](QWidget *, const messages::Message &message) {
        log << "FAILED " << message.text << '\n';
        ok = false;
        return messages::Answer::Ok;
    };
    const PersonalReading ann{{u"Ann"_s, 1, 11, 1980}, *readingengine::readingFor(1, 11)};
    QString lastFolder;
    readingexport::saveAsPicture(ann, 1.0, lastFolder, services, nullptr);
    log << "wrote " << picture << '\n';
    return ok ? 0 : 1;
}
