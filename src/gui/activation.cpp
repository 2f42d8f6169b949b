// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/activation.h"

#include "core/identity.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibrary>

namespace planetarch::activation {

using namespace Qt::StringLiterals;

namespace {

using TokenFunction = bool (*)(QWindow *, bool, QByteArray *);

// Beside the program in a build tree, in the program's library folder once installed.
TokenFunction tokenFunction()
{
    for (const QString &folder : {QCoreApplication::applicationDirPath(), identity::ModuleFolder}) {
        QLibrary module(folder + u"/planetarch-xdg-activation"_s);
        if (auto function = reinterpret_cast<TokenFunction>(module.resolve("planetarchActivationToken")))
            return function;
    }
    return nullptr;
}

} // namespace

QByteArray requestToken(QWindow *window, bool withInput)
{
    if (!window || !QGuiApplication::platformName().startsWith(u"wayland"_s))
        return {};
    static const TokenFunction function = tokenFunction();
    QByteArray token;
    if (function)
        function(window, withInput, &token);
    return token;
}

} // namespace planetarch::activation
