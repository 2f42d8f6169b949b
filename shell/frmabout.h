// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

namespace planetarch {

// The About window: name, version, what the program does, the branding offer and two links.
// It is built afresh for every showing and computes nothing.
class FrmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit FrmAbout(QWidget *parent = nullptr);
};

} // namespace planetarch
