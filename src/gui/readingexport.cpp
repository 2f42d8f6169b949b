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

// "Planetarch - Mars", the name offered for a saved reading, without its extension.
QString suggestedName(const ArchetypeReading &reading)
{
    return u"Planetarch - "_s + archetypeOf(reading.planet).name.toString();
}

// Asks where to save a reading of this kind and writes what content makes there, or says why it
// could not. The bytes are made first, so that the writer can check every one of them.
void save(const ArchetypeReading &reading, Services &services, QWidget *parent,
          const SaveKind &kind, const std::function<bool(QIODevice &)> &content)
{
    QString folder = QStandardPaths::writableLocation(kind.folder);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    const QString path =
        services.chooseSavePath(parent, kind.title, kind.filter,
                                QDir(folder).filePath(suggestedName(reading) + u'.' + kind.suffix));
    if (path.isEmpty())
        return;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QString reason = u"The reading could not be drawn."_s;
    if (!buffer.open(QIODevice::WriteOnly) || !content(buffer) ||
        !wholefile::write(path, bytes, &reason))
        services.critical(parent, u"The reading could not be saved as %1 in\n%2\n\n%3"_s.arg(
                                      kind.kindOfFile, QDir::toNativeSeparators(path), reason));
}

QImage picture(const ArchetypeReading &reading, qreal devicePixelRatio)
{
    const qreal ratio = 2.0 * devicePixelRatio;
    const QSize size = ResultPanel::designedSize();
    QImage image(size * ratio, QImage::Format_RGB32); // opaque: encodes faster, smaller
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    ResultPanel::paint(painter, QRectF(QPointF(), size), reading);
    return image;
}

// One page of the device's paper, in the design's pixels (96 to the inch) from its top left.
bool printOn(QPagedPaintDevice &device, const ArchetypeReading &reading)
{
    QPainter painter(&device);
    if (!painter.isActive())
        return false;
    ResultPanel::paint(
        painter, QRectF(QPointF(), ResultPanel::designedSize() * (device.logicalDpiX() / 96.0)),
        reading);
    return painter.end();
}

} // namespace

void copy(const ArchetypeReading &reading, qreal devicePixelRatio)
{
    auto *data = new QMimeData;
    data->setText(readingText(reading, ReadingText::Lines));
    data->setImageData(picture(reading, devicePixelRatio));
    QGuiApplication::clipboard()->setMimeData(data);
}

void saveAsPicture(const ArchetypeReading &reading, qreal devicePixelRatio, Services &services,
                   QWidget *parent)
{
    save(reading, services, parent, Picture,
         [&](QIODevice &file) { return picture(reading, devicePixelRatio).save(&file, "PNG"); });
}

void saveAsPdf(const ArchetypeReading &reading, Services &services, QWidget *parent)
{
    save(reading, services, parent, Pdf, [&](QIODevice &file) {
        QPdfWriter pdf(&file);
        pdf.setTitle(suggestedName(reading));
        pdf.setCreator(QCoreApplication::applicationName());
        pdf.setPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem
                            ? QPageSize(QPageSize::Letter)
                            : QPageSize(QPageSize::A4));
        return printOn(pdf, reading);
    });
}

void print(const ArchetypeReading &reading, Services &services, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(suggestedName(reading));
    if (!services.choosePrinter(parent, printer) || printOn(printer, reading))
        return;
    const QString on =
        printer.printerName().isEmpty() ? QString() : u" on "_s + printer.printerName();
    services.critical(parent, u"The reading could not be printed%1.\n\nCheck that the printer is "
                              u"on and ready, or use File > Save Reading as PDF..."_s.arg(on));
}

} // namespace planetarch::readingexport
