// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/readingexport.h"

#include "core/wholefile.h"
#include "gui/messages.h"
#include "gui/resultpanel.h"
#include "gui/widgets/theme.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QLocale>
#include <QMimeData>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace planetarch::readingexport {

using namespace Qt::StringLiterals;

namespace {

SaveChooser &saveChooser()
{
    static SaveChooser current;
    return current;
}

PrintChooser &printChooser()
{
    static PrintChooser current;
    return current;
}

// What a save command asks for and what it calls the file.
struct SaveKind
{
    QString title;
    QString filter;
    QString suffix;
    QStandardPaths::StandardLocation folder;
    QString kindOfFile; // in the message when it fails: "a picture"
};

const SaveKind Picture{u"Save Reading as Picture"_s, u"PNG pictures (*.png)"_s, u"png"_s,
                       QStandardPaths::PicturesLocation, u"a picture"_s};
const SaveKind Pdf{u"Save Reading as PDF"_s, u"PDF documents (*.pdf)"_s, u"pdf"_s,
                   QStandardPaths::DocumentsLocation, u"a PDF"_s};

QString chooseSavePath(QWidget *parent, const SaveKind &kind, const QString &suggested)
{
    if (const SaveChooser &replacement = saveChooser())
        return replacement(parent, suggested);
    QFileDialog dialog(parent, kind.title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(kind.filter);
    // The dialog adds the extension to a name typed without one before it asks whether to
    // replace a file, so the question is about the file that will be written.
    dialog.setDefaultSuffix(kind.suffix);
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

// Asks where to save a reading of this kind and writes what content makes there, or says why it
// could not. The bytes are made first, so that the writer can check every one of them.
void save(const ArchetypeReading &reading, QWidget *parent, const SaveKind &kind,
          const std::function<bool(QIODevice &)> &content)
{
    QString folder = QStandardPaths::writableLocation(kind.folder);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    const QString path = chooseSavePath(
        parent, kind, QDir(folder).filePath(suggestedName(reading) + u'.' + kind.suffix));
    if (path.isEmpty())
        return;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QString reason;
    const bool drawn = buffer.open(QIODevice::WriteOnly) && content(buffer);
    if (!drawn)
        reason = u"The reading could not be drawn."_s;
    if (!drawn || !wholefile::write(path, bytes, &reason))
        messages::critical(parent, u"The reading could not be saved as %1 in\n%2\n\n%3"_s.arg(
                                       kind.kindOfFile, QDir::toNativeSeparators(path), reason));
}

bool choosePrinter(QWidget *parent, QPrinter &printer)
{
    if (const PrintChooser &replacement = printChooser())
        return replacement(parent, printer);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(u"Print Reading"_s);
    // The dialog would open a file of its own choosing itself, blocking on a pipe and leaving a
    // broken file on a full disk: files come from the save commands, through one writer.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    return dialog.exec() == QDialog::Accepted;
}

// Sharp wherever it lands: twice the pixels of the screen the panel is on.
QImage exportPicture(const ArchetypeReading &reading, ResultPanel &panel)
{
    return panel.picture(reading, 2.0 * panel.devicePixelRatio());
}

} // namespace

void copy(const ArchetypeReading &reading, ResultPanel &panel)
{
    auto *data = new QMimeData;
    data->setText(readingText(reading, ReadingText::Lines));
    data->setImageData(exportPicture(reading, panel));
    QGuiApplication::clipboard()->setMimeData(data);
}

QString suggestedName(const ArchetypeReading &reading)
{
    return u"Planetarch - "_s + reading.planetName();
}

void saveAsPicture(const ArchetypeReading &reading, ResultPanel &panel, QWidget *parent)
{
    save(reading, parent, Picture,
         [&](QIODevice &file) { return exportPicture(reading, panel).save(&file, "PNG"); });
}

void saveAsPdf(const ArchetypeReading &reading, const ResultPanel::Looks &looks, QWidget *parent)
{
    save(reading, parent, Pdf, [&](QIODevice &file) {
        QPdfWriter pdf(&file);
        pdf.setTitle(suggestedName(reading));
        pdf.setCreator(QCoreApplication::applicationName());
        pdf.setPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem
                            ? QPageSize(QPageSize::Letter)
                            : QPageSize(QPageSize::A4));
        return printOn(pdf, reading, looks);
    });
}

bool printOn(QPagedPaintDevice &device, const ArchetypeReading &reading,
             const ResultPanel::Looks &looks)
{
    QPainter painter(&device);
    if (!painter.isActive())
        return false;
    // Laid out in the design's pixels, 96 to the inch, whatever the device's resolution.
    const int resolution = device.logicalDpiY();
    const qreal scale = resolution / 96.0;
    painter.scale(scale, scale);
    const QRectF page = device.pageLayout().paintRectPixels(resolution).toRectF();
    const QRectF area(0, 0, page.width() / scale, page.height() / scale);

    painter.setFont(looks.titleFont);
    painter.setPen(looks.captionColour); // the panel's own title is white, for its black face
    painter.drawText(QRectF(0, 0, area.width(), 30), Qt::AlignLeft | Qt::AlignTop, looks.title);

    // The sharpest drawing there is.
    const QPixmap planet = ResultPanel::planetPicture(reading.planetIndex, 2.0);
    const QSizeF planetSize = planet.deviceIndependentSize();
    painter.drawPixmap(QRectF(QPointF(area.width() - planetSize.width(), 0), planetSize), planet,
                       QRectF(planet.rect()));

    qreal y = std::max<qreal>(36, planetSize.height() + 12);
    const qreal valueLeft = looks.valueColumn;
    for (std::size_t index = 0; index < reading.rows.size(); ++index) {
        painter.setFont(looks.caption);
        painter.setPen(looks.captionColour);
        painter.drawText(QRectF(0, y, valueLeft - 8, 40), Qt::AlignLeft | Qt::AlignTop,
                         reading.rows[index].caption);
        painter.setFont(looks.values[index]);
        painter.setPen(Qt::black); // paper is white: the panel's pink would barely show
        QRectF used;
        painter.drawText(QRectF(valueLeft, y, area.width() - valueLeft, area.height() - y),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, reading.rows[index].value,
                         &used);
        y += std::max<qreal>(used.height(), 16) + 8;
    }
    return painter.end();
}

void print(const ArchetypeReading &reading, const ResultPanel::Looks &looks, QWidget *parent)
{
    // With no printer set up the dialog offers an empty list, and its Print button does nothing.
    if (!printChooser() && QPrinterInfo::availablePrinterNames().isEmpty()) {
        messages::information(parent,
                              u"No printer is set up on this computer.\n\nTo keep the reading "
                              u"or print it elsewhere, use File > Save Reading as PDF..."_s);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(suggestedName(reading));
    if (!choosePrinter(parent, printer) || printOn(printer, reading, looks))
        return;
    const QString on =
        printer.printerName().isEmpty() ? QString() : u" on "_s + printer.printerName();
    messages::critical(parent, u"The reading could not be printed%1.\n\nCheck that the printer is "
                               u"on and ready, or use File > Save Reading as PDF..."_s.arg(on));
}

SaveChooser setSaveChooser(SaveChooser chooser)
{
    return std::exchange(saveChooser(), std::move(chooser));
}

PrintChooser setPrintChooser(PrintChooser chooser)
{
    return std::exchange(printChooser(), std::move(chooser));
}

} // namespace planetarch::readingexport
