// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

// Taking a reading along: the File menu's Copy Reading, Save Reading as Picture, Save Reading as
// PDF and Print Reading (also on the result panel's context menu) take the reading shown, all
// drawn by ResultPanel::paint. Nothing is read from files and no setting is kept; the only files
// written are the ones the user chose, made in memory first and written whole through wholefile.

#include "core/readingengine.h"

class QString;
class QWidget;

namespace planetarch {

class Services;

namespace readingexport {

// Text (the heading, then readingText's lines) and picture on the clipboard.
void copy(const PersonalReading &personal, qreal devicePixelRatio);

// Ask where to save, as "Ann - Mars.png" or ".pdf" in folder (the user's Pictures, or Documents,
// while it is empty), and write a PNG, or the printed page as a PDF; folder then keeps where it
// went. A file that cannot be written gets a message over parent with the reason. Pictures have
// twice the pixels of a screen of the given ratio: sharp wherever they land.
void saveAsPicture(const PersonalReading &personal, qreal devicePixelRatio, QString &folder,
                   Services &services, QWidget *parent);
void saveAsPdf(const PersonalReading &personal, QString &folder, Services &services,
               QWidget *parent);

// Asks for a printer and prints the reading; files come from the save commands only.
void print(const PersonalReading &personal, Services &services, QWidget *parent);

} // namespace readingexport
} // namespace planetarch
