// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include "gui/services.h"

#include <QList>

#include <functional>

namespace planetarch::testing {

// Stands in for the services' message box while it lives: records every message and answers it, Ok
// to a plain message and the next queued answer (Yes when none is queued) to a question. onShown
// runs inside the "modal" box, for tests that act while a message is open.
class MessageRecorder
{
public:
    explicit MessageRecorder(Services &services) : m_services(services)
    {
        m_previous =
            std::exchange(services.present, [this](QWidget *, const messages::Message &message) {
                shown.append(message);
                if (onShown)
                    onShown(message);
                if (message.buttons == messages::Buttons::Ok)
                    return messages::Answer::Ok;
                return answers.isEmpty() ? messages::Answer::Yes : answers.takeFirst();
            });
    }
    ~MessageRecorder() { m_services.present = std::move(m_previous); }
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;

    QStringList texts() const
    {
        QStringList list;
        for (const messages::Message &message : shown)
            list << message.text;
        return list;
    }

    QList<messages::Message> shown;
    QList<messages::Answer> answers;
    std::function<void(const messages::Message &)> onShown;

private:
    Services &m_services;
    decltype(Services::present) m_previous;
};

} // namespace planetarch::testing
