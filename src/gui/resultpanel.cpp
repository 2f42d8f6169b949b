// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/resultpanel.h"

#include "ui_resultpanel.h"

#include "gui/widgets/theme.h"

#include <QImage>

namespace planetarch {

using namespace Qt::StringLiterals;

ResultPanel::ResultPanel(QWidget *parent) : CaptionedFrame(parent), m_ui(new Ui::ResultPanel)
{
    m_ui->setupUi(this);
    m_captions = {m_ui->lblLabel3, m_ui->lblLabel5, m_ui->lblLabel4, m_ui->lblLabel6,
                  m_ui->lblLabel7, m_ui->lblLabel8, m_ui->lblLabel9, m_ui->lblLabel10};
    m_values = {m_ui->lblResult0, m_ui->lblResult1, m_ui->lblResult2, m_ui->lblResult3,
                m_ui->lblResult4, m_ui->lblResult5, m_ui->lblResult6, m_ui->lblResult7};
    theme::applyLooks(this);
    // Alt+D belongs to the Donate command: menus take their access keys before controls do, and
    // two owners of one key would make it do nothing.
    m_ui->cmdBack->setShortcut(QKeySequence());
}

ResultPanel::~ResultPanel() = default;

QPushButton *ResultPanel::againButton() const
{
    return m_ui->cmdBack;
}

QPixmap ResultPanel::planetPicture(int planetIndex, qreal ratio)
{
    return theme::loadPicture(u":/planets/"_s + planetPictureName(planetIndex), ratio);
}

void ResultPanel::showReading(const ArchetypeReading &reading)
{
    for (std::size_t index = 0; index < reading.rows.size(); ++index) {
        m_captions[index]->setText(reading.rows[index].caption);
        m_values[index]->setText(reading.rows[index].value);
        if (!m_values[index]->wordWrap())
            m_values[index]->adjustSize();
    }
    // Each caption is its value's label, so a screen reader reads neither on its own; it reads
    // the panel as this, once, in the panel's order.
    setSummary(readingText(reading, ReadingText::Sentences));
    // Decoded the first time a reading shows the planet, then kept.
    QPixmap &picture = m_pictures[static_cast<std::size_t>(reading.planetIndex)];
    if (picture.isNull())
        picture = planetPicture(reading.planetIndex, devicePixelRatio());
    QLabel *box = m_ui->picPlanet;
    box->setPixmap(picture);
    box->setAccessibleName(reading.planetName());
    const int border = box->frameWidth() * 2;
    box->resize(picture.deviceIndependentSize().toSize() + QSize(border, border));
}

QImage ResultPanel::picture(const ArchetypeReading &reading, qreal ratio)
{
    QImage image(size() * ratio, QImage::Format_RGB32); // opaque: encodes faster, smaller
    image.setDevicePixelRatio(ratio);
    image.fill(palette().color(QPalette::Window));
    QLabel *box = m_ui->picPlanet;
    const QPixmap shown = box->pixmap();
    box->setPixmap(planetPicture(reading.planetIndex, ratio));
    render(&image);
    box->setPixmap(shown);
    return image;
}

ResultPanel::Looks ResultPanel::looks() const
{
    Looks looks{caption(),
                theme::typeface(captionTypeface()),
                m_captions[0]->font(),
                m_captions[0]->palette().color(QPalette::WindowText),
                {},
                m_values[0]->x() - m_captions[0]->x()};
    for (std::size_t index = 0; index < m_values.size(); ++index)
        looks.values[index] = m_values[index]->font();
    return looks;
}

} // namespace planetarch
