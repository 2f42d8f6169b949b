// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "frmabout.h"

#include "addresses.h"
#include "linklabel.h"
#include "look.h"
#include "modhelp.h"
#include "twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

namespace planetarch {

using namespace Qt::StringLiterals;

FrmAbout::FrmAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"frmAbout"_s);
    setWindowTitle(WindowCaption);
    setWindowIcon(programIcon());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    setFixedSize(twipsSize(5730, 3390));
    setAutoFillBackground(true);
    setColours(this, Qt::black, Qt::white);
    setFont(verdana(8.25));

    auto *picIcon = new QLabel(this);
    picIcon->setObjectName(u"picIcon"_s);
    picIcon->setPixmap(programIcon().pixmap(32, 32));
    picIcon->move(twips(90), twips(120));
    picIcon->adjustSize();

    auto *cmdOK = new QPushButton(u"OK"_s, this);
    cmdOK->setObjectName(u"cmdOK"_s);
    cmdOK->setGeometry(twipsRect(4395, 3000, 1260, 345));
    cmdOK->setFont(verdana(8.25, Bold));
    paintButtonFace(cmdOK, colours::Pink);
    // The default button: Enter presses it; Esc closes the dialog as its cancel button would.
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto *lblHomePage = makeLabel<LinkLabel>(
        this, u"lblHomePage"_s, u"Click here to visit "_s + QUrl(addresses::HomePage).host(),
        verdana(8.25, Underlined), QColor(colours::Pink));
    lblHomePage->move(twips(1605), twips(1365));
    lblHomePage->adjustSize();
    connect(lblHomePage, &LinkLabel::clicked, this, &modHelp::openHomePage);

    QLabel *label3 = makeLabel(this, u"Label3"_s,
                               u"Home Business Opportunity. Start your own Internet business and "
                               u"make money online. Get this software fully branded for your "
                               u"website."_s,
                               verdana(8.25, Bold), QColor(colours::Magenta));
    label3->setGeometry(twipsRect(90, 1800, 5565, 555));
    label3->setWordWrap(true);
    growToFitText(label3);

    // Under the full-branding offer, so it opens the full-branding page.
    auto *lblCoBrand = makeLabel<LinkLabel>(this, u"lblCoBrand"_s, u"Click here for more details"_s,
                                            verdana(8.25, Underlined), QColor(colours::Pink));
    lblCoBrand->move(twips(3360), twips(2355));
    lblCoBrand->adjustSize();
    connect(lblCoBrand, &LinkLabel::clicked, this, &modHelp::openFullBrandPage);

    // A two-pixel rule that runs across the whole window, just above the OK button.
    auto *line2 = new QWidget(this);
    line2->setObjectName(u"Line2"_s);
    line2->setGeometry(0, twips(2910) - 1, width(), 2);
    line2->setAutoFillBackground(true);
    setColours(line2, QColor(colours::Magenta), QColor(colours::Magenta));

    QLabel *label2 =
        makeLabel(this, u"Label2"_s, WindowCaption, verdana(12, Bold), QColor(colours::Magenta));
    label2->move(twips(750), twips(120));
    label2->adjustSize();

    QLabel *label1 = makeLabel(this, u"Label1"_s,
                               u"Planetarch finds your planetary archetype based on the ruling "
                               u"planet of your zodiac sign. The planetary archetype implies the "
                               u"force of the planet that affects certain behavioral tendencies "
                               u"in a person."_s,
                               verdana(8.25), Qt::white);
    label1->setGeometry(twipsRect(750, 390, 4905, 975));
    label1->setWordWrap(true);
    growToFitText(label1);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    cmdOK->setFocus();
}

} // namespace planetarch
