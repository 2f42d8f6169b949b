// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

class QWidget;

// Every message box of the program goes through here, in QMessageBox's words: modal, titled
// "Planetarch", Yes the default of a question. Tests replace the presenter to read what was shown
// and to answer it.
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

// An input error: the stop icon and one OK button.
void critical(QWidget *parent, const QString &text);
// A notice: the information icon and one OK button.
void information(QWidget *parent, const QString &text);
// A Yes/No question with the information icon; true when the answer is Yes.
bool question(QWidget *parent, const QString &text);

using Presenter = std::function<Answer(QWidget *parent, const Message &message)>;

// Returns the presenter that was in place; an empty presenter restores the real message box.
Presenter setPresenter(Presenter presenter);

} // namespace planetarch::messages
