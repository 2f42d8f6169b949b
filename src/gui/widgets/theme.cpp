// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/widgets/theme.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace planetarch {

namespace {

void installSubstitutions()
{
    static const bool installed = [] {
        const QString nearest = QStringLiteral("DejaVu Sans");
        QFont::insertSubstitution(QStringLiteral("Verdana"), nearest);
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), nearest);
        return true;
    }();
    Q_UNUSED(installed);
}

QFont makeFont(const QString &family, qreal points, int style)
{
    installSubstitutions();
    QFont font(family);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(style & Bold);
    font.setUnderline(style & Underlined);
    return font;
}

} // namespace

QFont verdana(qreal points, int style)
{
    return makeFont(QStringLiteral("Verdana"), points, style);
}

QFont dialogFont(qreal points, int style)
{
    return makeFont(QStringLiteral("MS Sans Serif"), points, style);
}

QIcon programIcon()
{
    // Once the application has its icon every window shares it, and with it the pictures already
    // decoded for the window system.
    if (const QIcon shared = QGuiApplication::windowIcon(); !shared.isNull())
        return shared;
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/planetarch-%1.png").arg(size), QSize(size, size));
    return icon;
}

QPixmap loadPicture(const QString &resource, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1.0) {
        QString sharp = resource;
        sharp.insert(sharp.lastIndexOf(u'.'), QStringLiteral("@2x"));
        QPixmap pixmap(sharp);
        if (!pixmap.isNull()) {
            pixmap.setDevicePixelRatio(2.0);
            return pixmap;
        }
    }
    return QPixmap(resource);
}

void pressOnEnter(std::initializer_list<QPushButton *> buttons)
{
    for (QPushButton *button : buttons)
        button->setAutoDefault(true);
}

void growToFitText(QLabel *label)
{
    label->resize(label->width(), std::max(label->height(), label->heightForWidth(label->width())));
}

void keepDesignedWidth(QLabel *label, int designedWidth)
{
    label->adjustSize();
    for (int stretch = 95; stretch >= 75 && label->width() > designedWidth; stretch -= 5) {
        QFont font = label->font();
        font.setStretch(stretch);
        label->setFont(font);
        label->adjustSize();
    }
}

void setColours(QWidget *widget, QColor background, QColor text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
}

} // namespace planetarch
