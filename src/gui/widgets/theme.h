// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>

class QWidget;

// How the windows look where a Designer form cannot say it. The forms keep geometry, texts and
// alignment, and name the rest in dynamic properties, which applyLooks() turns into fonts and
// colours:
//   typeface    "Verdana 8.25 bold underline": family, size in points, styles
//   foreground  the text colour (of a label, field or button face)
//   background  the colour behind it (a field's or a button's face too)
//   autoSize    the label sizes itself to its text, from its top-left corner
//   keepWidth   ...and its letters are narrowed if the text would run past the form's width
//   growToFit   a wrapping label grows downwards if the substitute face needs more lines
namespace planetarch::theme {

// The forms name Verdana and MS Sans Serif. Where those are missing (any Linux desktop) Qt's
// substitution picks DejaVu Sans, which keeps their width; the texts and sizes stay as the forms
// have them. Sizes become pixel sizes (pt * 96 / 72), so text keeps its proportion to the fixed
// layout whatever the desktop's font DPI.
QFont typeface(const QString &face);

// Fonts, colours and sizes of a widget and everything in it, from the properties its form names.
void applyLooks(QWidget *widget);

// The contrast ratio of two colours as WCAG 2 measures it, from 1 to 21.
qreal contrast(const QColor &first, const QColor &second);

// A picture of the program's resources (":/star.png"), taken from its @2x variant when the screen
// has more than one device pixel per logical pixel, so it stays sharp when the desktop is scaled.
QPixmap loadPicture(const QString &resource, qreal devicePixelRatio);

} // namespace planetarch::theme
