// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

class QPrinter;
class QWidget;

namespace planetarch {

namespace messages {

enum class Icon { Critical, Information };
enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

struct Message
{
    QString text;
    Icon icon = Icon::Information;
    Buttons buttons = Buttons::Ok;
    // Called with the box as the user answers it, while it is still on screen.
    std::function<void(QWidget *box)> answered = nullptr;
};

} // namespace messages

// What the windows ask of the world around them: the random draw, message boxes, where to save,
// which printer, and the end of the program. The program makes one and hands it to every window
// it builds; each member starts as the real thing, and tests put their own in its place.
class Services
{
public:
    // A value in [0, 1): the banner and the exit window's appeal are drawn from it.
    std::function<float()> draw;
    // Every message box of the program, in QMessageBox's words: modal, titled "Planetarch", Yes
    // the default of a question.
    std::function<messages::Answer(QWidget *parent, const messages::Message &)> present;
    // The path chosen in a save dialog of this title and filter (empty: cancelled).
    std::function<QString(QWidget *parent, const QString &title, const QString &filter,
                          const QString &suggestedPath)>
        chooseSavePath;
    // Whether to print, after the print dialog set the printer up; with no printer, says so.
    std::function<bool(QWidget *parent, QPrinter &printer)> choosePrinter;
    // The last step of endProgram(): leaves the event loop.
    std::function<void()> leaveEventLoop;

    Services();
    Q_DISABLE_COPY_MOVE(Services)

    // An input error: the stop icon and one OK button.
    void critical(QWidget *parent, const QString &text) const
    {
        present(parent, {text, messages::Icon::Critical, messages::Buttons::Ok});
    }
    // A notice: the information icon and one OK button.
    void information(QWidget *parent, const QString &text) const
    {
        present(parent, {text, messages::Icon::Information, messages::Buttons::Ok});
    }
    // A Yes/No question with the information icon; true when the answer is Yes.
    bool question(QWidget *parent, const QString &text) const
    {
        return present(parent, {text, messages::Icon::Information, messages::Buttons::YesNo}) ==
               messages::Answer::Yes;
    }

    // The program's one way to end: closes every window that is open (their close handlers run),
    // then leaveEventLoop. A nested call from a close handler returns at once.
    void endProgram();
    bool isEnding() const { return m_ending; }

private:
    bool m_ending = false;
};

} // namespace planetarch
