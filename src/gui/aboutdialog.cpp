// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/aboutdialog.h"

#include "ui_aboutdialog.h"

#include "core/identity.h"
#include "core/webaddresses.h"
#include "gui/desktop.h"
#include "gui/links.h"

#include <QUrl>

namespace planetarch {

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent), m_ui(new Ui::AboutDialog)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    m_ui->setupUi(this);
    m_ui->Label2->setText(identity::WindowCaption);
    m_ui->lblHomePage->setText(m_ui->lblHomePage->text().arg(QUrl(webaddresses::HomePage).host()));
    m_ui->picIcon->setPixmap(desktop::programIcon().pixmap(32, 32));
    desktop::applyDesign(this);

    // The default button: Enter presses it; Esc closes the dialog as its cancel button would.
    connect(m_ui->cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->lblHomePage, &LinkLabel::clicked, this,
            [] { links::open(webaddresses::HomePage); });
    // Under the full-branding offer, so it opens the full-branding page.
    connect(m_ui->lblCoBrand, &LinkLabel::clicked, this,
            [] { links::open(webaddresses::FullBrandPage); });
    m_ui->cmdOK->setFocus();
}

AboutDialog::~AboutDialog() = default;

} // namespace planetarch
