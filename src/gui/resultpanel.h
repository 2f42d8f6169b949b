// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/archetypereading.h"
#include "core/archetypetable.h"
#include "gui/widgets/captionedframe.h"

#include <QFont>
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
// panels; each reading overwrites it whole, nothing ever clears it.
class ResultPanel final : public CaptionedFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ResultPanel)

public:
    explicit ResultPanel(QWidget *parent = nullptr);
    ~ResultPanel() override;

    void showReading(const ArchetypeReading &reading);

    // The panel showing reading, drawn at the given pixel ratio, its planet from the drawing
    // that suits it.
    QImage picture(const ArchetypeReading &reading, qreal devicePixelRatio);

    // How the panel's rows look, as its form and the theme make them, for a page in its style.
    struct Looks
    {
        QString title; // "Planetarch Results"
        QFont titleFont;
        QFont caption;
        QColor captionColour;
        std::array<QFont, ArchetypeReading::RowCount> values;
        int valueColumn; // where the values start, from the captions' left edge
    };
    Looks looks() const;

    QPushButton *againButton() const;

    // A planet's picture for a screen of the given pixel ratio (its 2x drawing above 1).
    static QPixmap planetPicture(int planetIndex, qreal devicePixelRatio);

private:
    std::unique_ptr<Ui::ResultPanel> m_ui;
    std::array<QLabel *, ArchetypeReading::RowCount> m_captions{};
    std::array<QLabel *, ArchetypeReading::RowCount> m_values{};
    std::array<QPixmap, PlanetCount> m_pictures; // by planet index, decoded when first shown
};

} // namespace planetarch
