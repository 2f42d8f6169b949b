// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/aboutdialog.h"

#include "core/webaddresses.h"
#include "gui/links.h"
#include "gui/widgets/colouredbutton.h"
#include "gui/widgets/linklabel.h"
#include "gui/widgets/theme.h"
#include "gui/widgets/twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

namespace planetarch {

using namespace Qt::StringLiterals;

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent)
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
    picIcon->setAccessibleName(u"Planetarch icon"_s);
    picIcon->setFocusPolicy(Qt::TabFocus); // second in the tab order, after OK
    picIcon->move(twips(90), twips(120));
    picIcon->adjustSize();

    auto *cmdOK = new ColouredButton(u"OK"_s, QColor(colours::Pink), this);
    cmdOK->setObjectName(u"cmdOK"_s);
    cmdOK->setGeometry(twipsRect(4395, 3000, 1260, 345));
    cmdOK->setFont(verdana(8.25, Bold));
    // The default button: Enter presses it; Esc closes the dialog as its cancel button would.
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto *lblHomePage = placeAutoSizedLabel<LinkLabel>(
        this, u"lblHomePage"_s, u"Click here to visit "_s + QUrl(webaddresses::HomePage).host(),
        {twips(1605), twips(1365)}, {verdana(8.25, Underlined), colours::Pink});
    connect(lblHomePage, &LinkLabel::clicked, this, [] { links::open(webaddresses::HomePage); });

    QLabel *label3 =
        placeLabel(this, u"Label3"_s,
                   u"Home Business Opportunity. Start your own Internet business and "
                   u"make money online. Get this software fully branded for your "
                   u"website."_s,
                   twipsRect(90, 1800, 5565, 555),
                   {verdana(8.25, Bold), colours::Magenta, Qt::AlignLeft | Qt::AlignVCenter, true});
    growToFitText(label3);

    // Under the full-branding offer, so it opens the full-branding page.
    auto *lblCoBrand = placeAutoSizedLabel<LinkLabel>(
        this, u"lblCoBrand"_s, u"Click here for more details"_s, {twips(3360), twips(2355)},
        {verdana(8.25, Underlined), colours::Pink});
    connect(lblCoBrand, &LinkLabel::clicked, this,
            [] { links::open(webaddresses::FullBrandPage); });

    // A two-pixel rule that runs across the whole window, just above the OK button.
    auto *line2 = new QWidget(this);
    line2->setObjectName(u"Line2"_s);
    line2->setGeometry(0, twips(2910) - 1, width(), 2);
    line2->setAutoFillBackground(true);
    setColours(line2, QColor(colours::Magenta), QColor(colours::Magenta));

    placeAutoSizedLabel(this, u"Label2"_s, WindowCaption, {twips(750), twips(120)},
                        {verdana(12, Bold), colours::Magenta});

    QLabel *label1 = placeLabel(this, u"Label1"_s,
                                u"Planetarch finds your planetary archetype based on the ruling "
                                u"planet of your zodiac sign. The planetary archetype implies the "
                                u"force of the planet that affects certain behavioral tendencies "
                                u"in a person."_s,
                                twipsRect(750, 390, 4905, 975),
                                {verdana(8.25), Qt::white, Qt::AlignLeft | Qt::AlignVCenter, true});
    growToFitText(label1);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    setTabOrder(cmdOK, picIcon);
    cmdOK->setFocus();
}

} // namespace planetarch
