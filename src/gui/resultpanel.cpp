// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/resultpanel.h"

#include "ui_resultpanel.h"

#include "gui/widgets/theme.h"

#include <QPainter>
#include <QPicture>

namespace planetarch {

using namespace Qt::StringLiterals;

ResultPanel::ResultPanel(QWidget *parent) : CaptionedFrame(parent), m_ui(new Ui::ResultPanel)
{
    m_ui->setupUi(this);
    const std::array<QLabel *, ReadingCaptions.size()> captions{
        m_ui->lblLabel3, m_ui->lblLabel5, m_ui->lblLabel4, m_ui->lblLabel6,
        m_ui->lblLabel7, m_ui->lblLabel8, m_ui->lblLabel9, m_ui->lblLabel10};
    for (std::size_t index = 0; index < captions.size(); ++index)
        captions[index]->setText(ReadingCaptions[index].toString());
    m_values = {m_ui->lblResult0, m_ui->lblResult1, m_ui->lblResult2, m_ui->lblResult3,
                m_ui->lblResult4, m_ui->lblResult5, m_ui->lblResult6, m_ui->lblResult7};
    theme::applyLooks(this);
}

ResultPanel::~ResultPanel() = default;

QPushButton *ResultPanel::againButton() const
{
    return m_ui->cmdBack;
}

void ResultPanel::showReading(const ArchetypeReading &reading, qreal pictureRatio)
{
    const auto rows = reading.rows();
    for (std::size_t index = 0; index < rows.size(); ++index) {
        m_values[index]->setText(rows[index].value);
        if (!m_values[index]->wordWrap())
            m_values[index]->adjustSize();
    }
    // Each caption is its value's label, so a screen reader reads neither on its own; it reads
    // the panel as this, once, in the panel's order.
    setSummary(readingText(reading, ReadingText::Sentences));
    // Decoded the first time a reading shows the planet, then kept.
    QPixmap &picture = m_pictures[static_cast<std::size_t>(reading.planet)];
    if (picture.isNull()) {
        const QString name = archetypeOf(reading.planet).name.toString().toLower();
        picture = theme::loadPicture(u":/planets/%1.png"_s.arg(name), pictureRatio);
    }
    QLabel *box = m_ui->picPlanet;
    box->setPixmap(picture);
    box->setAccessibleName(archetypeOf(reading.planet).name.toString());
    const int border = box->frameWidth() * 2;
    box->resize(picture.deviceIndependentSize().toSize() + QSize(border, border));
}

namespace {

// A band over the panel, in its face and caption colour, as tall as the panel's caption row.
constexpr int HeadingHeight = 24;

} // namespace

void ResultPanel::paint(QPainter &painter, const QRectF &target, const PersonalReading &personal)
{
    ResultPanel panel;
    panel.againButton()->hide();
    panel.showReading(personal.reading, 2.0);
    const QSizeF size = QSizeF(paintedSize()).scaled(target.size(), Qt::KeepAspectRatio);
    painter.save();
    painter.translate(target.left() + (target.width() - size.width()) / 2, target.top());
    painter.scale(size.width() / paintedSize().width(), size.height() / paintedSize().height());
    const QRect band(0, 0, panel.width(), HeadingHeight);
    painter.fillRect(band, panel.palette().color(QPalette::Window));
    // In the looks of the panel's own caption.
    painter.setPen(panel.property("captionColour").value<QColor>());
    painter.setFont(theme::typeface(panel.property("captionTypeface").toString()));
    painter.drawText(band.adjusted(8, 0, -8, 0),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, headingOf(personal));
    painter.translate(0, HeadingHeight);
    // Recorded first: a widget rendered straight onto a printer becomes one big bitmap, recorded
    // drawing commands keep their text as text.
    QPicture drawing;
    QPainter recorder(&drawing);
    panel.render(&recorder);
    recorder.end();
    const qreal resolution = qreal(drawing.logicalDpiX()) / painter.device()->logicalDpiX();
    painter.scale(resolution, resolution); // a picture is played at its device's resolution
    painter.drawPicture(0, 0, drawing);
    painter.restore();
}

QSize ResultPanel::paintedSize()
{
    static const QSize size = ResultPanel().size() + QSize(0, HeadingHeight);
    return size;
}

} // namespace planetarch
