// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QWidget>

namespace planetarch {

// An opaque frame with an etched border and an optional caption set into its top edge, in a
// typeface of its own (theme::typeface), so the controls inside keep the window's font; a screen
// reader hears its summary as it enters the frame.
class CaptionedFrame : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(QColor captionColour READ captionColour WRITE setCaptionColour)
    Q_PROPERTY(QString captionTypeface READ captionTypeface WRITE setCaptionTypeface)
    Q_PROPERTY(QString summary READ summary WRITE setSummary)

public:
    explicit CaptionedFrame(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    QColor captionColour() const { return m_captionColour; }
    void setCaptionColour(const QColor &colour);
    QString captionTypeface() const { return m_captionTypeface; }
    void setCaptionTypeface(const QString &face);
    // What the frame shows, in a sentence or two for a screen reader; never drawn.
    QString summary() const { return m_summary; }
    void setSummary(const QString &summary);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
    QColor m_captionColour = Qt::white;
    QString m_captionTypeface;
    QFont m_captionFont;
    QString m_summary;
};

} // namespace planetarch
