// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "app/instanceguard.h"

namespace planetarch {

void InstanceGuard::onRaiseRequest(std::function<void(const QByteArray &)> handler)
{
    m_raise = std::move(handler);
}

} // namespace planetarch
