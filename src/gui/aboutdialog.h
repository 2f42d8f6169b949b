// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

namespace planetarch {

// The About window: name, version, what the program does, the branding offer and two links.
// It is built afresh for every showing and computes nothing.
class AboutDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutDialog)

public:
    explicit AboutDialog(QWidget *parent = nullptr);
};

} // namespace planetarch
