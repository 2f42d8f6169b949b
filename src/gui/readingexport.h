// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

// Taking a reading along: the File menu's Copy Reading, Save Reading as Picture, Save Reading as
// PDF and Print Reading (also on the result panel's context menu) take the reading shown; the
// picture draws the ResultPanel, the page takes the panel's looks. Nothing is read from files and
// no setting is kept; the only files written are the ones the user chose, made in memory first and
// written whole through wholefile.

#include "gui/resultpanel.h"

#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace planetarch {

struct ArchetypeReading;

namespace readingexport {

// Text (readingText's lines) and picture (at twice the screen's pixel ratio) on the clipboard.
void copy(const ArchetypeReading &reading, ResultPanel &panel);

// "Planetarch - Mars", the name offered for a saved reading, without its extension.
QString suggestedName(const ArchetypeReading &reading);

// Ask where to save, starting in the user's Pictures (or Documents) folder, and write a PNG at
// twice the screen's pixel ratio, or the printed page as a PDF. A file that cannot be written gets
// a message over parent with the reason.
void saveAsPicture(const ArchetypeReading &reading, ResultPanel &panel, QWidget *parent);
void saveAsPdf(const ArchetypeReading &reading, const ResultPanel::Looks &looks, QWidget *parent);

// Asks for a printer and prints the reading; files come from the save commands only.
void print(const ArchetypeReading &reading, const ResultPanel::Looks &looks, QWidget *parent);
// One page of the device's paper: the planet picture and the eight captions and values, as text
// in the panel's typefaces. False when the device failed.
bool printOn(QPagedPaintDevice &device, const ArchetypeReading &reading,
             const ResultPanel::Looks &looks);

// Tests answer the two dialogs: the path chosen (empty: cancelled), and whether to print.
using SaveChooser = std::function<QString(QWidget *parent, const QString &suggestedPath)>;
using PrintChooser = std::function<bool(QWidget *parent, QPrinter &printer)>;
SaveChooser setSaveChooser(SaveChooser chooser);
PrintChooser setPrintChooser(PrintChooser chooser);

} // namespace readingexport
} // namespace planetarch
