// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/readingengine.h"
#include "gui/widgets/captionedframe.h"

#include <QPixmap>

#include <array>
#include <memory>

class QLabel;
class QPainter;
class QPushButton;

namespace Ui {
class ResultPanel;
}

namespace planetarch {

// The result panel fraResult (resultpanel.ui): eight captions with their values and the planet's
// picture. The main window builds it for the first reading and shows it as the second page of its
// panels; each reading overwrites it whole, nothing ever clears it.
class ResultPanel final : public CaptionedFrame
{
    Q_OBJECT

public:
    explicit ResultPanel(QWidget *parent = nullptr);
    ~ResultPanel() override;

    void showReading(const ArchetypeReading &reading) { showReading(reading, devicePixelRatio()); }
    QPushButton *againButton() const;

    // The one drawing of a reading that leaves the screen (picture, PDF, print-out): its heading
    // over the panel as it shows the reading, without its button, its planet from the sharpest
    // drawing; scaled to fit target, centred across it and from its top.
    static void paint(QPainter &painter, const QRectF &target, const PersonalReading &personal);
    // The size of that drawing, in the form's pixels.
    static QSize paintedSize();

private:
    void showReading(const ArchetypeReading &reading, qreal pictureRatio);

    std::unique_ptr<Ui::ResultPanel> m_ui;
    std::array<QLabel *, ReadingCaptions.size()> m_values{};
    std::array<QPixmap, Archetypes.size()> m_pictures; // by planet, decoded when first shown
};

} // namespace planetarch
