// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace planetarch::messages {

enum class Icon { Critical, Information };
enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

struct Message
{
    QString text;
    Icon icon = Icon::Information;
    Buttons buttons = Buttons::Ok;
};

// Every message box of the program goes through show(): modal, titled "Planetarch", Yes the default
// of a Yes/No question. Tests replace the presenter to read what was shown and to answer it.
Answer show(QWidget *parent, const QString &text, Icon icon, Buttons buttons = Buttons::Ok);

using Presenter = std::function<Answer(QWidget *parent, const Message &message)>;

// Returns the presenter that was in place; an empty presenter restores the real message box.
Presenter setPresenter(Presenter presenter);

} // namespace planetarch::messages
