// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QWidget>

class QLabel;

namespace planetarch {

// An opaque frame with an etched border and an optional caption set into its top edge, in a
// typeface of its own (theme::typeface), so the controls inside keep the window's font; a screen
// reader hears its summary as it enters the frame.
class CaptionedFrame : public QWidget
{
    Q_OBJECT
    // The forms set these before the frame is first drawn.
    Q_PROPERTY(QString caption MEMBER m_caption)
    Q_PROPERTY(QColor captionColour MEMBER m_captionColour)
    Q_PROPERTY(QString captionTypeface MEMBER m_captionTypeface)

public:
    explicit CaptionedFrame(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    // What the frame shows, in a sentence or two for a screen reader; never drawn.
    void setSummary(const QString &summary);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
    QColor m_captionColour = Qt::white;
    QString m_captionTypeface;
    QLabel *m_summary = nullptr;
};

} // namespace planetarch
