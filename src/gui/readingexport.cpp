// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/readingexport.h"

#include "core/wholefile.h"
#include "gui/resultpanel.h"
#include "gui/services.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMimeData>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QStandardPaths>

#include <functional>

namespace planetarch::readingexport {

using namespace Qt::StringLiterals;

namespace {

// What a save command asks for and what it calls the file.
struct SaveKind
{
    QString title, filter, suffix;
    QStandardPaths::StandardLocation folder;
    QString kindOfFile; // in the message when it fails: "a picture"
};

const SaveKind Picture{u"Save Reading as Picture"_s, u"PNG pictures (*.png)"_s, u"png"_s,
                       QStandardPaths::PicturesLocation, u"a picture"_s};
const SaveKind Pdf{u"Save Reading as PDF"_s, u"PDF documents (*.pdf)"_s, u"pdf"_s,
                   QStandardPaths::DocumentsLocation, u"a PDF"_s};

// Asks where to save a reading of this kind and writes what content makes there, or says why it
// could not. The bytes are made first, so that the writer can check every one of them.
void save(const PersonalReading &personal, QString &lastFolder, Services &services, QWidget *parent,
          const SaveKind &kind, const std::function<bool(QIODevice &)> &content)
{
    QString folder =
        lastFolder.isEmpty() ? QStandardPaths::writableLocation(kind.folder) : lastFolder;
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    const QString path =
        services.chooseSavePath(parent, kind.title, kind.filter,
                                QDir(folder).filePath(fileNameOf(personal) + u'.' + kind.suffix));
    if (path.isEmpty())
        return;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QString reason = u"The reading could not be drawn."_s;
    if (buffer.open(QIODevice::WriteOnly) && content(buffer) &&
        wholefile::write(path, bytes, &reason)) {
        lastFolder = QFileInfo(path).absolutePath();
        return;
    }
    services.critical(parent, u"The reading could not be saved as %1 in\n%2\n\n%3"_s.arg(
                                  kind.kindOfFile, QDir::toNativeSeparators(path), reason));
}

QImage picture(const PersonalReading &personal, qreal devicePixelRatio)
{
    const qreal ratio = 2.0 * devicePixelRatio;
    const QSize size = ResultPanel::paintedSize();
    QImage image(size * ratio, QImage::Format_RGB32); // opaque: encodes faster, smaller
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    QPainter painter(&image);
    ResultPanel::paint(painter, QRectF(QPointF(), size), personal);
    return image;
}

// A page as a letter is laid out: 20 mm margins all round, the reading across the width between
// them, from the top.
void layOutForPaper(QPagedPaintDevice &device)
{
    device.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
}

// One page of the device's paper, within its margins.
bool printOn(QPagedPaintDevice &device, const PersonalReading &personal)
{
    QPainter painter(&device);
    if (!painter.isActive())
        return false;
    const QRect page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    ResultPanel::paint(painter, QRectF(QPointF(), page.size()), personal);
    return painter.end();
}

} // namespace

void copy(const PersonalReading &personal, qreal devicePixelRatio)
{
    auto *data = new QMimeData;
    data->setText(headingOf(personal) + u"\n\n"_s +
                  readingText(personal.reading, ReadingText::Lines));
    data->setImageData(picture(personal, devicePixelRatio));
    QGuiApplication::clipboard()->setMimeData(data);
}

void saveAsPicture(const PersonalReading &personal, qreal devicePixelRatio, QString &folder,
                   Services &services, QWidget *parent)
{
    save(personal, folder, services, parent, Picture,
         [&](QIODevice &file) { return picture(personal, devicePixelRatio).save(&file, "PNG"); });
}

void saveAsPdf(const PersonalReading &personal, QString &folder, Services &services,
               QWidget *parent)
{
    save(personal, folder, services, parent, Pdf, [&](QIODevice &file) {
        QPdfWriter pdf(&file);
        pdf.setTitle(headingOf(personal));
        pdf.setCreator(QCoreApplication::applicationName());
        pdf.setPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem
                            ? QPageSize(QPageSize::Letter)
                            : QPageSize(QPageSize::A4));
        layOutForPaper(pdf);
        return printOn(pdf, personal);
    });
}

void print(const PersonalReading &personal, Services &services, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(fileNameOf(personal));
    layOutForPaper(printer);
    if (!services.choosePrinter(parent, printer) || printOn(printer, personal))
        return;
    const QString on =
        printer.printerName().isEmpty() ? QString() : u" on "_s + printer.printerName();
    services.critical(parent, u"The reading could not be printed%1.\n\nCheck that the printer is "
                              u"on and ready, or use File > Save Reading as PDF..."_s.arg(on));
}

} // namespace planetarch::readingexport
