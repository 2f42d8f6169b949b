// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/widgets/theme.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGuiApplication>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace planetarch::theme {

using namespace Qt::StringLiterals;

namespace {

// Fields, lists and buttons draw their text and face in their own palette roles.
bool hasOwnFace(const QWidget *widget)
{
    return qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QComboBox *>(widget) ||
           qobject_cast<const QAbstractButton *>(widget) ||
           qobject_cast<const QPlainTextEdit *>(widget);
}

void applyColours(QWidget *widget)
{
    const QVariant foreground = widget->property("foreground");
    QVariant background = widget->property("background");
    if (!foreground.isValid() && !background.isValid())
        return;
    QPalette palette = widget->palette();
    const bool face = hasOwnFace(widget);
    // A text colour the form fixes on a face it leaves to the desktop: under a dark desktop
    // palette the face takes the light colour the form was drawn on, so the text stays
    // readable. Under a light one nothing changes.
    const QPalette::ColorRole faceRole = !face ? QPalette::Window
                                         : qobject_cast<const QAbstractButton *>(widget)
                                             ? QPalette::Button
                                             : QPalette::Base;
    if (foreground.isValid() && !background.isValid() &&
        contrast(foreground.value<QColor>(), palette.color(faceRole)) < 4.5)
        background = QColor(face && faceRole == QPalette::Base ? Qt::white : QColor(240, 240, 240));
    if (foreground.isValid()) {
        const auto colour = foreground.value<QColor>();
        palette.setColor(QPalette::WindowText, colour);
        if (face) {
            palette.setColor(QPalette::Text, colour);
            palette.setColor(QPalette::ButtonText, colour);
        }
    }
    if (background.isValid()) {
        const auto colour = background.value<QColor>();
        palette.setColor(QPalette::Window, colour);
        if (face) {
            palette.setColor(QPalette::Base, colour);
            palette.setColor(QPalette::Button, colour);
        }
    }
    widget->setPalette(palette);
}

// A label as wide as Verdana needs: where the substitute face runs wider, its letters are
// narrowed (same pixel size and weight) until the text fits again.
void keepWidth(QLabel *label, int width)
{
    label->adjustSize();
    for (int stretch = 95; stretch >= 75 && label->width() > width; stretch -= 5) {
        QFont font = label->font();
        font.setStretch(stretch);
        label->setFont(font);
        label->adjustSize();
    }
}

void fitLabel(QLabel *label)
{
    if (label->property("keepWidth").toBool())
        keepWidth(label, label->width());
    else if (label->property("autoSize").toBool())
        label->adjustSize();
    else if (label->property("growToFit").toBool())
        label->resize(label->width(),
                      std::max(label->height(), label->heightForWidth(label->width())));
}

// A ring inside every button, link and picture while it has the keyboard focus, one pixel wide in
// its text colour, so that it stands out from its face as much as its text does: the style's own
// focus marks (a lighter edge, a pale outline) stay below 3:1 on these faces. Drawn after the
// control has painted itself, inside its own paint event.
class FocusRing final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *control = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
            control->update(); // a label would not repaint for its focus
        if (event->type() != QEvent::Paint || !control->hasFocus() || m_painting)
            return false;
        m_painting = true;
        static_cast<QObject *>(control)->event(event);
        m_painting = false;
        QPainter painter(control);
        const bool button = qobject_cast<QAbstractButton *>(control);
        painter.setPen(
            control->palette().color(button ? QPalette::ButtonText : QPalette::WindowText));
        const int inset = button ? 3 : 0;
        painter.drawRect(control->rect().adjusted(inset, inset, -inset - 1, -inset - 1));
        return true;
    }

private:
    bool m_painting = false;
};

} // namespace

qreal contrast(const QColor &first, const QColor &second)
{
    const auto luminance = [](const QColor &colour) {
        const auto linear = [](qreal value) {
            return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    };
    const qreal a = luminance(first) + 0.05;
    const qreal b = luminance(second) + 0.05;
    return std::max(a, b) / std::min(a, b);
}

QFont typeface(const QString &face)
{
    // A handful of typefaces name every font of the program; each is worked out once.
    static QHash<QString, QFont> known;
    if (const auto found = known.constFind(face); found != known.cend())
        return *found;
    // Once is enough, more is harmless: Qt keeps each substitute once.
    QFont::insertSubstitution(u"Verdana"_s, u"DejaVu Sans"_s);
    QFont::insertSubstitution(u"MS Sans Serif"_s, u"DejaVu Sans"_s);
    // The family's words, then the size, then the styles.
    const qsizetype size = face.indexOf(QRegularExpression(u" [0-9]"_s));
    const QStringList rest = size < 0 ? QStringList() : face.mid(size + 1).split(u' ');
    QFont font(face.left(size));
    font.setPixelSize(int(std::lround((size < 0 ? 8.25 : rest[0].toDouble()) * 96.0 / 72.0)));
    font.setBold(rest.contains(u"bold"_s));
    font.setUnderline(rest.contains(u"underline"_s));
    known.insert(face, font);
    return font;
}

void applyLooks(QWidget *top)
{
    QList<QWidget *> widgets{top};
    widgets += top->findChildren<QWidget *>();
    static auto *const ring = new FocusRing(qApp);
    for (QWidget *widget : std::as_const(widgets)) {
        if (const QString face = widget->property("typeface").toString(); !face.isEmpty())
            widget->setFont(typeface(face));
        applyColours(widget);
        // Buttons, and the links and pictures Tab reaches.
        if (qobject_cast<QAbstractButton *>(widget) ||
            (qobject_cast<QLabel *>(widget) && (widget->focusPolicy() & Qt::TabFocus)))
            widget->installEventFilter(ring);
    }
    // Sizes follow the fonts, so they come once every font is in place.
    for (QWidget *widget : std::as_const(widgets)) {
        if (auto *label = qobject_cast<QLabel *>(widget))
            fitLabel(label);
    }
}

QPixmap loadPicture(const QString &resource, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1.0) {
        QString sharp = resource;
        sharp.insert(sharp.lastIndexOf(u'.'), u"@2x"_s);
        QPixmap pixmap(sharp);
        if (!pixmap.isNull()) {
            pixmap.setDevicePixelRatio(2.0);
            return pixmap;
        }
    }
    return QPixmap(resource);
}

} // namespace planetarch::theme
