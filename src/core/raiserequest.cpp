// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "core/raiserequest.h"

#include <algorithm>

namespace planetarch {

namespace {

constexpr QByteArrayView RaiseWord = "RAISE";

bool usableToken(QByteArrayView token)
{
    return !token.isEmpty() && token.size() <= 200 &&
           std::all_of(token.begin(), token.end(), [](char c) { return c > ' ' && c < 0x7f; });
}

} // namespace

QByteArray raiseRequest(QByteArrayView token)
{
    QByteArray request = RaiseWord.toByteArray();
    if (usableToken(token))
        request += ' ' + token.toByteArray();
    return request + '\n';
}

std::optional<QByteArray> raiseToken(QByteArrayView line)
{
    if (line == RaiseWord)
        return QByteArray();
    if (line.startsWith(RaiseWord) && line.size() > RaiseWord.size() + 1 &&
        line[RaiseWord.size()] == ' ' && usableToken(line.sliced(RaiseWord.size() + 1)))
        return line.sliced(RaiseWord.size() + 1).toByteArray();
    return std::nullopt;
}

} // namespace planetarch
