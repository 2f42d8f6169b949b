// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class AboutDialog;
}

namespace planetarch {

// The About window (aboutdialog.ui): name, version, what the program does, the branding offer and
// two links. It is built afresh for every showing and computes nothing.
class AboutDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);
    ~AboutDialog() override;

private:
    std::unique_ptr<Ui::AboutDialog> m_ui;
};

} // namespace planetarch
