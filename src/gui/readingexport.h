// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

// Taking a reading along: the File menu's Copy Reading, Save Reading as Picture and Print Reading
// (also on the result panel's context menu) work on the ResultPanel as shown. Nothing is read from
// files and no setting is kept; the only file written is the one the user chose.

#include <QImage>
#include <QString>

#include <functional>

class QPrinter;
class QWidget;

namespace planetarch {

class ResultPanel;

namespace readingexport {

// "Caption: value", one line each in panel order, the paragraph whole.
QString plainText(const ResultPanel &panel);

// Text and picture (at twice the screen's pixel ratio) on the clipboard.
void copy(ResultPanel &panel);

// "Planetarch - Mars.png"
QString suggestedFileName(const ResultPanel &panel);

// Asks where to save, starting in the user's Pictures folder, and writes a PNG at twice the
// screen's pixel ratio, whole or not at all. A file that cannot be written gets a message over
// parent; nothing is left behind.
void saveAsPicture(ResultPanel &panel, QWidget *parent);
// Writes the PNG; false with the reason when it could not be written whole.
bool writePicture(const QImage &image, const QString &path, QString *reason);

// Asks for a printer (printing to a PDF file is one of its choices) and prints the reading.
void print(ResultPanel &panel, QWidget *parent);
// One page of the printer's paper: the planet picture and the eight captions and values, as text
// in the design's typeface.
void printOn(QPrinter &printer, ResultPanel &panel);

// Tests answer the two dialogs: the path chosen (empty: cancelled), and whether to print.
using SaveChooser = std::function<QString(QWidget *parent, const QString &suggestedPath)>;
using PrintChooser = std::function<bool(QWidget *parent, QPrinter &printer)>;
SaveChooser setSaveChooser(SaveChooser chooser);
PrintChooser setPrintChooser(PrintChooser chooser);

} // namespace readingexport
} // namespace planetarch
