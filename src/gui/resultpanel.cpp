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

QString ResultPanel::planetName() const
{
    return m_planet < 0 ? QString() : ArchetypeTable::row(m_planet).planetName;
}

QPixmap ResultPanel::pictureOf(int planetIndex, qreal ratio)
{
    return theme::loadPicture(u":/planets/"_s + planetPictureName(planetIndex), ratio);
}

QPixmap ResultPanel::planetPicture(qreal ratio) const
{
    return m_planet < 0 ? QPixmap() : pictureOf(m_planet, ratio);
}

void ResultPanel::showMatch(const RulerMatch &match)
{
    const PlanetArchetype &row = ArchetypeTable::row(match.planetIndex);
    const QString values[] = {
        match.ruler.toUpper(), row.archetype.toUpper(), row.alsoKnownAs, row.keywords,
        row.characteristics,   row.ruledSigns,          row.tarotCard,   row.detriment};
    for (std::size_t index = 0; index < m_values.size(); ++index) {
        m_values[index]->setText(values[index]);
        if (!m_values[index]->wordWrap())
            m_values[index]->adjustSize();
    }
    m_planet = match.planetIndex;
    // Each caption is its value's label, so a screen reader reads neither on its own; it reads
    // the panel as this, once, in the panel's order.
    QStringList sentences;
    for (const Row &shown : rows()) {
        const bool ends = shown.value.endsWith(u'.') || shown.value.endsWith(u'!');
        sentences << shown.caption + u", "_s + shown.value + (ends ? u""_s : u"."_s);
    }
    setSummary(sentences.join(u' '));
    // Decoded the first time a reading shows the planet, then kept.
    QPixmap &picture = m_pictures[static_cast<std::size_t>(match.planetIndex)];
    if (picture.isNull())
        picture = pictureOf(match.planetIndex, devicePixelRatio());
    QLabel *box = m_ui->picPlanet;
    box->setPixmap(picture);
    box->setAccessibleName(row.planetName);
    const int border = box->frameWidth() * 2;
    box->resize(picture.deviceIndependentSize().toSize() + QSize(border, border));
}

QImage ResultPanel::picture(qreal ratio)
{
    QImage image(size() * ratio, QImage::Format_RGB32); // opaque: encodes faster, smaller
    image.setDevicePixelRatio(ratio);
    image.fill(palette().color(QPalette::Window));
    QLabel *box = m_ui->picPlanet;
    const QPixmap shown = box->pixmap();
    if (m_planet >= 0)
        box->setPixmap(planetPicture(ratio));
    render(&image);
    box->setPixmap(shown);
    return image;
}

QList<ResultPanel::Row> ResultPanel::rows() const
{
    QList<Row> shown;
    for (std::size_t index = 0; index < m_values.size(); ++index)
        shown.append({m_captions[index]->text(), m_values[index]->text()});
    return shown;
}

} // namespace planetarch
