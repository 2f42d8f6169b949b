// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/archetypetable.h"
#include "core/readingengine.h"
#include "gui/widgets/captionedframe.h"

#include <QPixmap>

#include <array>
#include <memory>

class QLabel;
class QPushButton;

namespace Ui {
class ResultPanel;
}

namespace planetarch {

// The result panel fraResult (resultpanel.ui): eight captions with their values and the planet's
// picture. The main window builds it for the first reading and shows it as the second page of its
// panels; each match of a reading overwrites it whole, nothing ever clears it.
class ResultPanel final : public CaptionedFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ResultPanel)

public:
    explicit ResultPanel(QWidget *parent = nullptr);
    ~ResultPanel() override;

    void showMatch(const RulerMatch &match);

    // The reading as shown: each caption with its value, in panel order.
    struct Row
    {
        QString caption;
        QString value;
    };
    QList<Row> rows() const;
    // The planet whose reading is shown ("Mars"), empty before the first.
    QString planetName() const;
    // The planet's picture for a screen of the given pixel ratio (its 2x drawing above 1).
    QPixmap planetPicture(qreal devicePixelRatio) const;

    // The panel as shown, drawn at the given pixel ratio, its planet from the drawing that suits
    // it.
    QImage picture(qreal devicePixelRatio);

    QPushButton *againButton() const;

private:
    static QPixmap pictureOf(int planetIndex, qreal devicePixelRatio);

    std::unique_ptr<Ui::ResultPanel> m_ui;
    std::array<QLabel *, 8> m_captions{};
    std::array<QLabel *, 8> m_values{};
    std::array<QPixmap, PlanetCount> m_pictures; // by planet index, decoded when first shown
    int m_planet = -1;
};

} // namespace planetarch
