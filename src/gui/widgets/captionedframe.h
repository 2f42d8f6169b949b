// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace planetarch {

// An opaque frame with an etched border and an optional caption set into its top edge. Being opaque
// matters: two frames on the same rectangle hide each other, and raising one shows it.
class CaptionedFrame : public QWidget
{
    Q_OBJECT

public:
    explicit CaptionedFrame(QWidget *parent = nullptr);

    void setCaption(const QString &caption, const QColor &colour, const QFont &font);
    QString caption() const { return m_caption; }
    void setBackground(const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
    QColor m_captionColour;
    QFont m_captionFont;
};

} // namespace planetarch
