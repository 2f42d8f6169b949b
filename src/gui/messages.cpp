// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/messages.h"

#include "core/identity.h"

#include <QMessageBox>

namespace planetarch::messages {

using namespace Qt::StringLiterals;

namespace {

Answer showMessageBox(QWidget *parent, const Message &message)
{
    const bool question = message.buttons == Buttons::YesNo;
    // A carriage return alone breaks the line in the program's texts; Qt breaks on line feeds.
    QString text = message.text;
    text.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
    QMessageBox box(message.icon == Icon::Critical ? QMessageBox::Critical
                                                   : QMessageBox::Information,
                    identity::Title, text,
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(question ? QMessageBox::Yes : QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return question ? Answer::No : Answer::Ok;
    }
}

Presenter &presenter()
{
    static Presenter current;
    return current;
}

Answer show(QWidget *parent, const Message &message)
{
    if (const Presenter &replacement = presenter())
        return replacement(parent, message);
    return showMessageBox(parent, message);
}

} // namespace

void critical(QWidget *parent, const QString &text)
{
    show(parent, {text, Icon::Critical, Buttons::Ok});
}

void information(QWidget *parent, const QString &text)
{
    show(parent, {text, Icon::Information, Buttons::Ok});
}

bool question(QWidget *parent, const QString &text)
{
    return show(parent, {text, Icon::Information, Buttons::YesNo}) == Answer::Yes;
}

Presenter setPresenter(Presenter replacement)
{
    return std::exchange(presenter(), std::move(replacement));
}

} // namespace planetarch::messages
