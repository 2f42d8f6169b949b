// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/exitwindow.h"

#include "core/limits.h"
#include "core/randomdraw.h"
#include "core/referral.h"
#include "core/text.h"
#include "core/webaddresses.h"
#include "gui/links.h"
#include "gui/messages.h"
#include "gui/shutdown.h"
#include "gui/widgets/boundedtextedit.h"
#include "gui/widgets/captionedframe.h"
#include "gui/widgets/linklabel.h"
#include "gui/widgets/theme.h"
#include "gui/widgets/twips.h"

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

CaptionedFrame *navyFrame(QWidget *parent, const QString &name, const QString &caption,
                          const QRect &rect)
{
    auto *frame = new CaptionedFrame(parent);
    frame->setObjectName(name);
    frame->setGeometry(rect);
    frame->setBackground(QColor(colours::Navy));
    frame->setCaption(caption, Qt::white, verdana(9.75, Bold));
    return frame;
}

// The placeholders follow the user moving between fields, not the window losing activation to a
// message box or the browser (which moves no focus inside the window) or a context menu opening.
bool isFieldsOwnFocusChange(const QFocusEvent *event)
{
    return event->reason() != Qt::ActiveWindowFocusReason &&
           event->reason() != Qt::PopupFocusReason;
}

QString missingValueMessage(ReferralVerdict verdict)
{
    switch (verdict) {
    case ReferralVerdict::SenderName:
        return u"Please Enter Your Name"_s;
    case ReferralVerdict::SenderEmail:
        return u"Please Enter Your Email"_s;
    case ReferralVerdict::Message:
        return u"Please Enter Your Message"_s;
    case ReferralVerdict::FriendName:
        return u"Please Enter Your Friend's Name"_s;
    case ReferralVerdict::FriendEmail:
        return u"Please Enter Your Friend's Email"_s;
    case ReferralVerdict::Valid:
        break;
    }
    return {};
}

// The accessible name says what a field is for; its text may be the placeholder or the input.
QLineEdit *entryField(QWidget *parent, const QString &name, const QString &placeholder,
                      const QRect &rect, const QString &accessibleName)
{
    auto *field = new QLineEdit(placeholder, parent);
    field->setObjectName(name);
    field->setAccessibleName(accessibleName);
    field->setMaxLength(limits::NameLength);
    field->setGeometry(rect);
    field->setFont(dialogFont());
    return field;
}

} // namespace

ExitWindow::ExitWindow(QWidget *parent) : QWidget(parent)
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

    auto *picture = new QLabel(this);
    picture->setObjectName(u"Picture1"_s);
    picture->setGeometry(twipsRect(360, 120, 540, 540));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setPixmap(programIcon().pixmap(32, 32));
    picture->setAccessibleName(u"Planetarch icon"_s);
    picture->setFocusPolicy(Qt::TabFocus);

    placeAutoSizedLabel(this, u"Label1"_s, WindowCaption, {twips(1080), twips(240)},
                        {dialogFont(18), Qt::black});

    m_appealLabel =
        placeLabel(this, u"Label2"_s, appeals()[1], twipsRect(120, 840, 6975, 1095),
                   {verdana(9.75, Bold), Qt::black, Qt::AlignLeft | Qt::AlignVCenter, true});

    // A check box drawn as a push button: it never stays down (see visitToggled).
    m_visitButton = new QPushButton(u"Click Here To Visit Orvanel Now"_s, this);
    m_visitButton->setObjectName(u"Check1"_s);
    m_visitButton->setCheckable(true);
    m_visitButton->setGeometry(twipsRect(30, 2040, 7185, 555));
    m_visitButton->setFont(verdana(14.25));
    QPalette blue = m_visitButton->palette();
    blue.setColor(QPalette::ButtonText, QColor(colours::Link));
    m_visitButton->setPalette(blue);
    m_visitButton->setCursor(linkCursor());
    // Toggled rather than clicked: a screen reader's toggle action changes the state without a
    // click, and must open the page too.
    connect(m_visitButton, &QPushButton::toggled, this, &ExitWindow::visitToggled);

    m_exitButton = new QPushButton(u"E&xit"_s, this);
    m_exitButton->setObjectName(u"cmdClose"_s);
    m_exitButton->setGeometry(twipsRect(6000, 2760, 1245, 375));
    connect(m_exitButton, &QPushButton::clicked, this, &shutdown::endProgram);

    buildReferralFrame();
    buildCatalogueFrame();
    pressOnEnter({m_exitButton, m_visitButton, m_submitButton});

    setTabOrder(m_exitButton, m_visitButton);
    setTabOrder(m_visitButton, picture);
    setTabOrder(picture, m_nameEdit);
    setTabOrder(m_nameEdit, m_submitButton);
    setTabOrder(m_submitButton, m_emailEdit);
    setTabOrder(m_emailEdit, m_friendEmailEdit);
    setTabOrder(m_friendEmailEdit, m_friendNameEdit);
    setTabOrder(m_friendNameEdit, m_messageEdit);
    m_exitButton->setFocus();

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    load();
}

void ExitWindow::buildReferralFrame()
{
    CaptionedFrame *referralFrame =
        navyFrame(this, u"Frame2"_s, u"Refer A Friend"_s, twipsRect(120, 3240, 7065, 1455));
    m_nameEdit = entryField(referralFrame, u"txtName"_s, placeholders::Name,
                            twipsRect(85, 360, 3375, 285), u"Your name"_s);
    m_emailEdit = entryField(referralFrame, u"txtEmail"_s, placeholders::Email,
                             twipsRect(3600, 360, 3375, 285), u"Your e-mail address"_s);
    m_friendNameEdit = entryField(referralFrame, u"txtFriendName"_s, placeholders::FriendName,
                                  twipsRect(85, 720, 3375, 285), u"Friend's name"_s);
    m_friendEmailEdit = entryField(referralFrame, u"txtFriendEmail"_s, placeholders::FriendEmail,
                                   twipsRect(3600, 720, 3375, 285), u"Friend's e-mail address"_s);

    m_submitButton = new QPushButton(u"Refer A Friend &Now"_s, referralFrame);
    m_submitButton->setObjectName(u"cmdSubmit"_s);
    m_submitButton->setGeometry(twipsRect(1920, 1080, 3375, 285));
    m_submitButton->setFont(verdana(8.25, Bold));
    connect(m_submitButton, &QPushButton::clicked, this, &ExitWindow::submit);

    // Designed below the frame's visible height: it is reached with Tab and edited out of sight.
    m_messageEdit = new BoundedTextEdit(limits::MessageLength, referralFrame);
    m_messageEdit->setObjectName(u"txtMessage"_s);
    m_messageEdit->setAccessibleName(u"Your message"_s);
    m_messageEdit->setGeometry(twipsRect(4800, 3600, 1815, 495));
    m_messageEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_messageEdit->setTabChangesFocus(true);
    m_messageEdit->setFont(dialogFont());
    setFieldText(m_messageEdit, placeholders::Message + u"\r\n"_s);

    m_fields = {{{m_nameEdit, placeholders::Name, false},
                 {m_emailEdit, placeholders::Email, true},
                 {m_friendNameEdit, placeholders::FriendName, false},
                 {m_friendEmailEdit, placeholders::FriendEmail, true},
                 {m_messageEdit, placeholders::Message, false}}};
    for (const Field &field : m_fields)
        field.widget->installEventFilter(this);
}

void ExitWindow::buildCatalogueFrame()
{
    CaptionedFrame *catalogueFrame = navyFrame(this, u"Frame6"_s, u"Download Runevale Softwares"_s,
                                               twipsRect(7320, 120, 3735, 4575));
    placeLabel(catalogueFrame, u"Label3"_s, catalogueText(), twipsRect(120, 360, 3495, 3855),
               {verdana(9), Qt::white, Qt::AlignLeft | Qt::AlignVCenter, true});

    auto *lblGoToHome = makeLabel<LinkLabel>(catalogueFrame, u"lblGoToHome"_s,
                                             u"Click Here To Visit Runevale Softwares"_s,
                                             {verdana(9, Bold | Underlined), QColor(255, 255, 0)});
    lblGoToHome->move(twips(75), twips(4250));
    keepDesignedWidth(lblGoToHome, twips(3585));
    connect(lblGoToHome, &LinkLabel::clicked, this,
            [] { links::open(webaddresses::SoftwareSuitePage); });
}

void ExitWindow::load()
{
    randomdraw::seed(static_cast<quint64>(QDateTime::currentMSecsSinceEpoch()));
    m_appealLabel->setText(appeals()[appealIndex(randomdraw::draw())]);
}

QString ExitWindow::fieldText(const QWidget *field)
{
    if (const auto *box = qobject_cast<const QPlainTextEdit *>(field))
        return box->toPlainText().replace(u'\n', u"\r\n"_s);
    return static_cast<const QLineEdit *>(field)->text();
}

void ExitWindow::setFieldText(QWidget *field, const QString &text)
{
    if (auto *box = qobject_cast<QPlainTextEdit *>(field))
        box->setPlainText(QString(text).replace(u"\r\n"_s, u"\n"_s));
    else
        static_cast<QLineEdit *>(field)->setText(text);
}

ExitWindow *ExitWindow::showExitWindow()
{
    static QPointer<ExitWindow> window;
    if (!window) {
        window = new ExitWindow;
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void ExitWindow::submit()
{
    const ReferralValues values{
        trimBlanks(fieldText(m_nameEdit)), trimBlanks(fieldText(m_emailEdit)),
        trimBlanks(fieldText(m_messageEdit)), trimBlanks(fieldText(m_friendNameEdit)),
        trimBlanks(fieldText(m_friendEmailEdit))};
    switch (checkAddresses(values.senderEmail, values.friendEmail)) {
    case AddressVerdict::NotDistinct:
        messages::critical(this, u"Please Enter Distinct Email Addresses"_s);
        return;
    case AddressVerdict::Improper:
        messages::critical(this, u"Please Enter Proper Email Address"_s);
        return;
    case AddressVerdict::Valid:
        break;
    }
    if (const ReferralVerdict verdict = checkReferral(values); verdict != ReferralVerdict::Valid) {
        messages::critical(this, missingValueMessage(verdict));
        return;
    }
    // The program sends nothing itself: the browser opens the forum's page with the values in its
    // address.
    links::open(
        referralAddress(webaddresses::ReferAFriendPage, values, webaddresses::ProductHomePage),
        this);
}

void ExitWindow::visitToggled(bool ticked)
{
    if (!ticked)
        return;
    m_visitButton->setChecked(false);
    links::open(webaddresses::HomePage);
}

bool ExitWindow::eventFilter(QObject *watched, QEvent *event)
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
        if (isFieldsOwnFocusChange(static_cast<QFocusEvent *>(event)))
            update(textOnFocusIn(fieldText(field->widget), field->placeholder));
        break;
    case QEvent::FocusOut:
        if (isFieldsOwnFocusChange(static_cast<QFocusEvent *>(event)))
            update(textOnFocusOut(fieldText(field->widget), field->placeholder));
        break;
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        // With any modifier: Alt or Meta with the space bar would insert a blank all the same.
        const bool typesBlank = key->key() == Qt::Key_Space || key->text().contains(u' ');
        if (field->refusesBlank && typesBlank)
            return refuseBlank(field->widget);
        break;
    }
    case QEvent::InputMethod: {
        auto *input = static_cast<QInputMethodEvent *>(event);
        if (field->refusesBlank && input->commitString().contains(u' ')) {
            QInputMethodEvent withoutCommit(input->preeditString(), input->attributes());
            QCoreApplication::sendEvent(field->widget, &withoutCommit);
            return refuseBlank(field->widget);
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool ExitWindow::refuseBlank(QWidget *field)
{
    messages::critical(this, u"Email Address Cannot Contain Space"_s);
    field->setFocus();
    return true;
}

void ExitWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    shutdown::endProgram();
}

} // namespace planetarch
