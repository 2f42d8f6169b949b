// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QString>

#include <initializer_list>

class QPushButton;
class QWidget;

namespace planetarch {

inline const QString ApplicationTitle = QStringLiteral("Planetarch");
inline const QString WindowCaption = QStringLiteral("Planetarch v1.0");

namespace colours {
inline constexpr QRgb Pink = 0xFFFC61A7;    // 252, 97, 167
inline constexpr QRgb Magenta = 0xFFDB2B8B; // 219, 43, 139
inline constexpr QRgb Navy = 0xFF000080;    // 0, 0, 128
inline constexpr QRgb Link = 0xFF0000C0;    // 0, 0, 192
} // namespace colours

enum FontStyle { Regular = 0x0, Bold = 0x1, Underlined = 0x2 };

// The windows name Verdana and the old dialog face. Where those are missing (any Linux desktop)
// Qt's substitution picks DejaVu Sans, which keeps their width; the texts and sizes stay as
// designed. Sizes become pixel sizes (pt * 96 / 72) so text keeps its proportion to the fixed twips
// layout.
QFont verdana(qreal points, int style = Regular);
QFont dialogFont(qreal points = 8.25, int style = Regular);

// The program's icon, at every size the pictures offer.
QIcon programIcon();

// A picture of the program's resources (":/star.png"), taken from its @2x variant when the screen
// has more than one device pixel per logical pixel, so it stays sharp when the desktop is scaled.
QPixmap loadPicture(const QString &resource, qreal devicePixelRatio);

// Enter presses these buttons when they have the focus, as Space does. Qt does that by itself only
// inside a dialog; the design wants it in every window.
void pressOnEnter(std::initializer_list<QPushButton *> buttons);

// Lets a word-wrapped label grow downwards when the substitute face needs more lines or line
// spacing than the design allowed; its width and position stay as designed.
void growToFitText(QLabel *label);

// A label that sizes itself to its text was designed to a width that Verdana meets. Where the
// substitute face runs wider than that, its letters are narrowed (same pixel size and weight) until
// the text fits the designed width again; with Verdana present nothing changes.
void keepDesignedWidth(QLabel *label, int designedWidth);

// Sets the window colour and text colour that a widget and its children inherit.
void setColours(QWidget *widget, QColor background, QColor text);

// How a label looks: its font, text colour, alignment (Qt's own default unless given) and whether
// it wraps.
struct LabelLook
{
    QFont font;
    QColor colour;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool wrap = false;
};

// The one label factory of the program: a plain-text label (no mnemonics, no rich text) in its own
// look. It paints no background of its own, so it shows whatever lies behind it.
template <typename Label = QLabel>
Label *makeLabel(QWidget *parent, const QString &name, const QString &text, const LabelLook &look)
{
    auto *label = new Label(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(look.font);
    label->setAlignment(look.alignment);
    label->setWordWrap(look.wrap);
    setColours(label, parent->palette().color(QPalette::Window), look.colour);
    return label;
}

// A label on a fixed rectangle.
template <typename Label = QLabel>
Label *placeLabel(QWidget *parent, const QString &name, const QString &text, const QRect &rect,
                  const LabelLook &look)
{
    Label *label = makeLabel<Label>(parent, name, text, look);
    label->setGeometry(rect);
    return label;
}

// A label that sizes itself to its text, from its top-left corner.
template <typename Label = QLabel>
Label *placeAutoSizedLabel(QWidget *parent, const QString &name, const QString &text,
                           const QPoint &topLeft, const LabelLook &look)
{
    Label *label = makeLabel<Label>(parent, name, text, look);
    label->move(topLeft);
    label->adjustSize();
    return label;
}

} // namespace planetarch
