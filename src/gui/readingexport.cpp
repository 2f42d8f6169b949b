// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/readingexport.h"

#include "gui/messages.h"
#include "gui/resultpanel.h"
#include "gui/widgets/theme.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QMimeData>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
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

QString chooseSavePath(QWidget *parent, const QString &suggested)
{
    if (const SaveChooser &replacement = saveChooser())
        return replacement(parent, suggested);
    return QFileDialog::getSaveFileName(parent, u"Save Reading as Picture"_s, suggested,
                                        u"PNG pictures (*.png)"_s);
}

bool choosePrinter(QWidget *parent, QPrinter &printer)
{
    if (const PrintChooser &replacement = printChooser())
        return replacement(parent, printer);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(u"Print Reading"_s);
    return dialog.exec() == QDialog::Accepted;
}

// Sharp wherever it lands: twice the pixels of the screen the panel is on.
qreal exportRatio(const QWidget &panel)
{
    return 2.0 * panel.devicePixelRatio();
}

} // namespace

QString plainText(const ResultPanel &panel)
{
    QStringList lines;
    const QList<ResultPanel::Row> rows = panel.rows();
    for (const ResultPanel::Row &row : rows)
        lines << row.caption + u": "_s + row.value;
    return lines.join(u'\n') + u'\n';
}

void copy(ResultPanel &panel)
{
    auto *data = new QMimeData;
    data->setText(plainText(panel));
    data->setImageData(panel.picture(exportRatio(panel)));
    QGuiApplication::clipboard()->setMimeData(data);
}

QString suggestedFileName(const ResultPanel &panel)
{
    return u"Planetarch - "_s + panel.planetName() + u".png"_s;
}

bool writePicture(const QImage &image, const QString &path, QString *reason)
{
    // Written beside the target and moved into place only when whole.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *reason = file.errorString();
        return false;
    }
    if (!image.save(&file, "PNG")) {
        *reason = file.error() != QFileDevice::NoError ? file.errorString()
                                                       : u"The picture could not be encoded."_s;
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

void saveAsPicture(ResultPanel &panel, QWidget *parent)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    QString path = chooseSavePath(parent, QDir(folder).filePath(suggestedFileName(panel)));
    if (path.isEmpty())
        return;
    if (!path.endsWith(u".png"_s, Qt::CaseInsensitive))
        path += u".png"_s;
    QString reason;
    if (!writePicture(panel.picture(exportRatio(panel)), path, &reason))
        messages::critical(parent,
                           u"The reading could not be saved as a picture in\n%1\n\n%2"_s.arg(
                               QDir::toNativeSeparators(path), reason));
}

void printOn(QPrinter &printer, ResultPanel &panel)
{
    QPainter painter(&printer);
    if (!painter.isActive())
        return;
    // Laid out in the design's pixels, 96 to the inch, whatever the printer's resolution.
    const qreal scale = printer.resolution() / 96.0;
    painter.scale(scale, scale);
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution()).toRectF();
    const QRectF area(0, 0, page.width() / scale, page.height() / scale);

    const QFont heading = theme::typeface(u"Verdana 12 bold"_s);
    const QFont caption = theme::typeface(u"Verdana 8.25 bold"_s);
    const QFont value = theme::typeface(u"Verdana 8.25"_s);
    const QFont strong = theme::typeface(u"Verdana 9.75 bold"_s);
    const QColor magenta(219, 43, 139);

    painter.setFont(heading);
    painter.setPen(magenta);
    painter.drawText(QRectF(0, 0, area.width(), 30), Qt::AlignLeft | Qt::AlignTop, panel.caption());

    const QPixmap planet = panel.planetPicture(2.0); // the sharpest drawing there is;
    const QSizeF planetSize = planet.deviceIndependentSize();
    painter.drawPixmap(QRectF(QPointF(area.width() - planetSize.width(), 0), planetSize), planet,
                       QRectF(planet.rect()));

    qreal y = std::max<qreal>(36, planetSize.height() + 12);
    const qreal valueLeft = 160;
    const QList<ResultPanel::Row> rows = panel.rows();
    for (qsizetype index = 0; index < rows.size(); ++index) {
        painter.setFont(caption);
        painter.setPen(magenta);
        painter.drawText(QRectF(0, y, valueLeft - 8, 40), Qt::AlignLeft | Qt::AlignTop,
                         rows[index].caption);
        painter.setFont(index < 2 ? strong : value);
        painter.setPen(Qt::black);
        QRectF used;
        painter.drawText(QRectF(valueLeft, y, area.width() - valueLeft, area.height() - y),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, rows[index].value, &used);
        y += std::max<qreal>(used.height(), 16) + 8;
    }
}

void print(ResultPanel &panel, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(suggestedFileName(panel).chopped(4));
    if (choosePrinter(parent, printer))
        printOn(printer, panel);
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
