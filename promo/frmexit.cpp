// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "frmexit.h"

#include "chance.h"
#include "linklabel.h"
#include "look.h"
#include "messages.h"
#include "modhelp.h"
#include "modtellafriend.h"
#include "panelframe.h"
#include "referral.h"
#include "text.h"
#include "twips.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

namespace planetarch {

using namespace Qt::StringLiterals;

namespace {

const std::array<QString, 4> &appeals()
{
    static const std::array<QString, 4> texts{
        u"Runevale Softwares, such as this can be created and maintained only with your support. "
        u"The best way to support Orvanel is to visit Orvanel regularly and take part in the "
        u"discussions and other activities on the board."_s,
        u"Visit Orvanel regularly. Support Orvanel by taking part in the discussions and other "
        u"activities. These softwares cannot be supported and maintained, without you regularly "
        u"visiting Orvanel"_s,
        u"Orvanel is a FREE online discussion forum for all things Runevale. To help Orvanel "
        u"develop and maintain this software visit Orvanel regularly."_s,
        u"Orvanel needs your help. All you need to do is visit Orvanel regularly and take part in "
        u"the various discussions and activites to help us maintain and develop more Runevale "
        u"Softwares."_s,
    };
    return texts;
}

// The blanks after "interests." push "All the programs" onto a fresh line of the wrapping label.
QString catalogueText()
{
    return u"If you have enjoyed this software you will surely be interested in our other Runevale "
           u"Softwares. From a single software, we have now grown to become the world\u2019s "
           u"largest resource of Runevale softwares. Be it astrology, psychic, tarot, numerology "
           u"or occult, we have programs in all fields thus giving our users a wide choice "
           u"depending on their interests."_s +
           QString(61, u' ') +
           u"All the programs in the Runevale Softwares suite are simple and easy to use. They are "
           u"not only fun to use but also very informative. Try them out today and share your "
           u"experience with your friends and family. "_s;
}

PanelFrame *navyFrame(QWidget *parent, const QString &name, const QString &caption,
                      const QRect &rect)
{
    auto *frame = new PanelFrame(parent);
    frame->setObjectName(name);
    frame->setGeometry(rect);
    frame->setBackground(QColor(colours::Navy));
    frame->setCaption(caption, Qt::white, verdana(9.75, Bold));
    return frame;
}

QLineEdit *entryField(QWidget *parent, const QString &name, const QString &placeholder,
                      const QRect &rect)
{
    auto *field = new QLineEdit(placeholder, parent);
    field->setObjectName(name);
    field->setGeometry(rect);
    field->setFont(dialogFont());
    return field;
}

} // namespace

FrmExit::FrmExit(QWidget *parent) : QWidget(parent)
{
    setObjectName(u"frmExit"_s);
    setWindowTitle(WindowCaption);
    setWindowIcon(programIcon());
    // Stays above every window that is not itself on top, browser windows it opens included.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setFixedSize(twipsSize(11115, 4725));
    setAutoFillBackground(true);
    setColours(this, Qt::white, Qt::black);
    setFont(dialogFont());

    auto *picture1 = new QLabel(this);
    picture1->setObjectName(u"Picture1"_s);
    picture1->setGeometry(twipsRect(360, 120, 540, 540));
    picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture1->setPixmap(programIcon().pixmap(32, 32));
    picture1->setFocusPolicy(Qt::TabFocus);

    QLabel *label1 = makeLabel(this, u"Label1"_s, WindowCaption, dialogFont(18), Qt::black);
    label1->move(twips(1080), twips(240));
    label1->adjustSize();

    QLabel *label2 = makeLabel(this, u"Label2"_s, appeals()[1], verdana(9.75, Bold), Qt::black);
    label2->setGeometry(twipsRect(120, 840, 6975, 1095));
    label2->setWordWrap(true);

    // A check box drawn as a push button: it never stays down (see check1Clicked).
    m_check1 = new QPushButton(u"Click Here To Visit Orvanel Now"_s, this);
    m_check1->setObjectName(u"Check1"_s);
    m_check1->setCheckable(true);
    m_check1->setGeometry(twipsRect(30, 2040, 7185, 555));
    m_check1->setFont(verdana(14.25));
    QPalette blue = m_check1->palette();
    blue.setColor(QPalette::ButtonText, QColor(colours::Link));
    m_check1->setPalette(blue);
    m_check1->setCursor(linkCursor());
    connect(m_check1, &QPushButton::clicked, this, &FrmExit::check1Clicked);

    m_cmdClose = new QPushButton(u"E&xit"_s, this);
    m_cmdClose->setObjectName(u"cmdClose"_s);
    m_cmdClose->setGeometry(twipsRect(6000, 2760, 1245, 375));
    connect(m_cmdClose, &QPushButton::clicked, this, &modHelp::endProgram);

    buildReferralFrame();
    buildCatalogueFrame();

    setTabOrder(m_cmdClose, m_check1);
    setTabOrder(m_check1, picture1);
    setTabOrder(picture1, m_txtName);
    setTabOrder(m_txtName, m_cmdSubmit);
    setTabOrder(m_cmdSubmit, m_txtEmail);
    setTabOrder(m_txtEmail, m_txtFriendEmail);
    setTabOrder(m_txtFriendEmail, m_txtFriendName);
    setTabOrder(m_txtFriendName, m_txtMessage);
    m_cmdClose->setFocus();

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    load();
}

void FrmExit::buildReferralFrame()
{
    PanelFrame *frame2 =
        navyFrame(this, u"Frame2"_s, u"Refer A Friend"_s, twipsRect(120, 3240, 7065, 1455));
    m_txtName = entryField(frame2, u"txtName"_s, placeholders::Name, twipsRect(85, 360, 3375, 285));
    m_txtEmail =
        entryField(frame2, u"txtEmail"_s, placeholders::Email, twipsRect(3600, 360, 3375, 285));
    m_txtFriendName = entryField(frame2, u"txtFriendName"_s, placeholders::FriendName,
                                 twipsRect(85, 720, 3375, 285));
    m_txtFriendEmail = entryField(frame2, u"txtFriendEmail"_s, placeholders::FriendEmail,
                                  twipsRect(3600, 720, 3375, 285));

    m_cmdSubmit = new QPushButton(u"Refer A Friend &Now"_s, frame2);
    m_cmdSubmit->setObjectName(u"cmdSubmit"_s);
    m_cmdSubmit->setGeometry(twipsRect(1920, 1080, 3375, 285));
    m_cmdSubmit->setFont(verdana(8.25, Bold));
    connect(m_cmdSubmit, &QPushButton::clicked, this, &FrmExit::submit);

    // Designed below the frame's visible height: it is reached with Tab and edited out of sight.
    m_txtMessage = new QPlainTextEdit(frame2);
    m_txtMessage->setObjectName(u"txtMessage"_s);
    m_txtMessage->setGeometry(twipsRect(4800, 3600, 1815, 495));
    m_txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_txtMessage->setTabChangesFocus(true);
    m_txtMessage->setFont(dialogFont());
    setFieldText(m_txtMessage, placeholders::Message + u"\r\n"_s);

    m_fields = {{{m_txtName, placeholders::Name, false},
                 {m_txtEmail, placeholders::Email, true},
                 {m_txtFriendName, placeholders::FriendName, false},
                 {m_txtFriendEmail, placeholders::FriendEmail, true},
                 {m_txtMessage, placeholders::Message, false}}};
    for (const Field &field : m_fields)
        field.widget->installEventFilter(this);
}

void FrmExit::buildCatalogueFrame()
{
    PanelFrame *frame6 = navyFrame(this, u"Frame6"_s, u"Download Runevale Softwares"_s,
                                   twipsRect(7320, 120, 3735, 4575));
    QLabel *label3 = makeLabel(frame6, u"Label3"_s, catalogueText(), verdana(9), Qt::white);
    label3->setGeometry(twipsRect(120, 360, 3495, 3855));
    label3->setWordWrap(true);

    auto *lblGoToHome =
        makeLabel<LinkLabel>(frame6, u"lblGoToHome"_s, u"Click Here To Visit Runevale Softwares"_s,
                             verdana(9, Bold | Underlined), QColor(255, 255, 0));
    lblGoToHome->move(twips(75), twips(4250));
    keepDesignedWidth(lblGoToHome, twips(3585));
    connect(lblGoToHome, &LinkLabel::clicked, this, &modHelp::openSoftwareSuitePage);
}

void FrmExit::load()
{
    chance::seed(static_cast<quint64>(QDateTime::currentMSecsSinceEpoch()));
    findChild<QLabel *>(u"Label2"_s)->setText(appeals()[appealIndex(chance::draw())]);
}

QString FrmExit::fieldText(const QWidget *field)
{
    if (const auto *box = qobject_cast<const QPlainTextEdit *>(field))
        return box->toPlainText().replace(u'\n', u"\r\n"_s);
    return static_cast<const QLineEdit *>(field)->text();
}

void FrmExit::setFieldText(QWidget *field, const QString &text)
{
    if (auto *box = qobject_cast<QPlainTextEdit *>(field))
        box->setPlainText(QString(text).replace(u"\r\n"_s, u"\n"_s));
    else
        static_cast<QLineEdit *>(field)->setText(text);
}

FrmExit *FrmExit::showExitWindow()
{
    static QPointer<FrmExit> window;
    if (!window) {
        window = new FrmExit;
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void FrmExit::submit()
{
    ReferralValues &values = modTellAFriend::values();
    values.senderName = trimBlanks(fieldText(m_txtName));
    values.senderEmail = trimBlanks(fieldText(m_txtEmail));
    values.message = trimBlanks(fieldText(m_txtMessage));
    values.friendName = trimBlanks(fieldText(m_txtFriendName));
    values.friendEmail = trimBlanks(fieldText(m_txtFriendEmail));

    switch (checkAddresses(values.senderEmail, values.friendEmail)) {
    case AddressVerdict::NotDistinct:
        messages::show(this, u"Please Enter Distinct Email Addresses"_s, messages::Icon::Critical);
        return;
    case AddressVerdict::Improper:
        messages::show(this, u"Please Enter Proper Email Address"_s, messages::Icon::Critical);
        return;
    case AddressVerdict::Valid:
        break;
    }
    modTellAFriend::submitReferral(this);
}

void FrmExit::check1Clicked(bool ticked)
{
    if (!ticked)
        return;
    m_check1->setChecked(false);
    modHelp::openHomePage();
}

bool FrmExit::eventFilter(QObject *watched, QEvent *event)
{
    const auto field = std::find_if(m_fields.begin(), m_fields.end(),
                                    [watched](const Field &f) { return f.widget == watched; });
    if (field == m_fields.end())
        return QWidget::eventFilter(watched, event);

    // Rewrite a field only when its text changes, so the caret and undo history survive.
    auto update = [field](const QString &text) {
        if (text != fieldText(field->widget))
            setFieldText(field->widget, text);
    };
    switch (event->type()) {
    case QEvent::FocusIn:
        update(textOnFocusIn(fieldText(field->widget), field->placeholder));
        break;
    case QEvent::FocusOut:
        update(textOnFocusOut(fieldText(field->widget), field->placeholder));
        break;
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool typesBlank =
            key->text() == u" "_s && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (field->refusesBlank && typesBlank) {
            messages::show(this, u"Email Address Cannot Contain Space"_s, messages::Icon::Critical);
            field->widget->setFocus();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void FrmExit::closeEvent(QCloseEvent *event)
{
    event->accept();
    modHelp::endProgram();
}

} // namespace planetarch
