// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QDesktopServices>
#include <QObject>
#include <QStringList>
#include <QUrl>

#include <functional>

namespace planetarch::testing {

// Catches every web address the program hands to the desktop while it lives.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    UrlRecorder()
    {
        // file: too: the help page beside a program that has one (the Windows build's tests).
        for (const char *scheme : {"http", "https", "file"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    }
    ~UrlRecorder() override
    {
        for (const char *scheme : {"http", "https", "file"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }

    QStringList addresses() const
    {
        QStringList list;
        for (const QUrl &url : opened)
            list << url.toString(QUrl::FullyEncoded);
        return list;
    }

    QList<QUrl> opened;
    std::function<void(const QUrl &)> onOpen;

public slots:
    void open(const QUrl &url)
    {
        opened.append(url);
        if (onOpen)
            onOpen(url);
    }
};

} // namespace planetarch::testing
