// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/exitwindow.h"

#include "ui_exitwindow.h"

#include "core/identity.h"
#include "core/limits.h"
#include "core/randomdraw.h"
#include "core/referral.h"
#include "core/text.h"
#include "core/webaddresses.h"
#include "gui/desktop.h"
#include "gui/links.h"
#include "gui/services.h"
#include "gui/widgets/linklabel.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTimer>

namespace planetarch {

using namespace Qt::StringLiterals;

namespace {

constexpr auto Appeals = std::to_array<QStringView>({
    u"Runevale Softwares, such as this can be created and maintained only with your support. "
    u"The best way to support Orvanel is to visit Orvanel regularly and take part in the "
    u"discussions and other activities on the board.",
    u"Visit Orvanel regularly. Support Orvanel by taking part in the discussions and other "
    u"activities. These softwares cannot be supported and maintained, without you regularly "
    u"visiting Orvanel",
    u"Orvanel is a FREE online discussion forum for all things Runevale. To help Orvanel "
    u"develop and maintain this software visit Orvanel regularly.",
    u"Orvanel needs your help. All you need to do is visit Orvanel regularly and take part in "
    u"the various discussions and activites to help us maintain and develop more Runevale "
    u"Softwares.",
});

// The placeholders follow the user moving between fields, not the window losing activation to a
// message box or the browser (which moves no focus inside the window) or a context menu opening.
bool isFieldsOwnFocusChange(const QFocusEvent *event)
{
    return event->reason() != Qt::ActiveWindowFocusReason &&
           event->reason() != Qt::PopupFocusReason;
}

// By verdict, in ReferralVerdict's order.
constexpr auto MissingValueMessages = std::to_array<QStringView>(
    {u"", u"Please Enter Your Name", u"Please Enter Your Email", u"Please Enter Your Message",
     u"Please Enter Your Friend's Name", u"Please Enter Your Friend's Email"});

} // namespace

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

ExitWindow::ExitWindow(Services &services, QWidget *parent)
    : QWidget(parent), m_services(services), m_ui(new Ui::ExitWindow)
{
    // Stays above every window that is not itself on top, browser windows it opens included.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    m_ui->setupUi(this);
    m_ui->Label1->setText(identity::WindowCaption);
    m_ui->Picture1->setPixmap(desktop::programIcon().pixmap(32, 32));
    // What the window does when it loads: one of the four appeals, drawn.
    m_ui->Label2->setText(
        Appeals[randomdraw::pickOne(m_services.draw(), Appeals.size())].toString());
    desktop::applyDesign(this);

    // A check box drawn as a push button that never stays down. Toggled rather than clicked: a
    // screen reader's toggle action changes the state without a click, and must open the page too.
    m_ui->Check1->setCursor(linkCursor());
    connect(m_ui->Check1, &QPushButton::toggled, this, [this](bool ticked) {
        if (!ticked)
            return;
        m_ui->Check1->setChecked(false);
        links::open(webaddresses::HomePage);
    });
    connect(m_ui->cmdClose, &QPushButton::clicked, this, [this] { m_services.endProgram(); });
    // Escape does what the close box does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
    connect(m_ui->cmdSubmit, &QPushButton::clicked, this, &ExitWindow::submit);
    connect(m_ui->lblGoToHome, &LinkLabel::clicked, this,
            [] { links::open(webaddresses::SoftwareSuitePage); });
    prepareFields();
    m_ui->cmdClose->setFocus();
}

ExitWindow::~ExitWindow() = default;

void ExitWindow::prepareFields()
{
    for (QLineEdit *field :
         {m_ui->txtName, m_ui->txtEmail, m_ui->txtFriendName, m_ui->txtFriendEmail})
        field->setMaxLength(limits::NameLength);
    // Below the frame's visible height, as the form has it: reached with Tab, edited out of sight.
    m_ui->txtMessage->setMaximumLength(limits::MessageLength);
    m_fields = {{m_ui->txtName, placeholders::Name, false},
                {m_ui->txtEmail, placeholders::Email, true},
                {m_ui->txtFriendName, placeholders::FriendName, false},
                {m_ui->txtFriendEmail, placeholders::FriendEmail, true},
                {m_ui->txtMessage, placeholders::Message, false}};
    for (const Field &field : m_fields) {
        setFieldText(field.widget, field.placeholder);
        field.widget->installEventFilter(this);
        // While a field holds its placeholder, or nothing because the focus took the placeholder
        // away, a screen reader says the placeholder on arrival.
        const auto describe = [field] {
            const bool placeholder =
                textOnFocusIn(fieldText(field.widget), field.placeholder).isEmpty();
            field.widget->setAccessibleDescription(placeholder ? field.placeholder : QString());
        };
        if (auto *box = qobject_cast<QPlainTextEdit *>(field.widget))
            connect(box, &QPlainTextEdit::textChanged, this, describe);
        else
            connect(static_cast<QLineEdit *>(field.widget), &QLineEdit::textChanged, this,
                    describe);
        describe();
    }
    setFieldText(m_ui->txtMessage, placeholders::Message + u"\r\n"_s);
}

void ExitWindow::submit()
{
    const ReferralValues values{
        trimBlanks(fieldText(m_ui->txtName)), trimBlanks(fieldText(m_ui->txtEmail)),
        trimBlanks(fieldText(m_ui->txtMessage)), trimBlanks(fieldText(m_ui->txtFriendName)),
        trimBlanks(fieldText(m_ui->txtFriendEmail))};
    if (const AddressVerdict verdict = checkAddresses(values.senderEmail, values.friendEmail);
        verdict != AddressVerdict::Valid) {
        m_services.critical(this, verdict == AddressVerdict::NotDistinct
                                      ? u"Please Enter Distinct Email Addresses"_s
                                      : u"Please Enter Proper Email Address"_s);
        return;
    }
    if (const ReferralVerdict verdict = checkReferral(values); verdict != ReferralVerdict::Valid) {
        m_services.critical(this, MissingValueMessages[std::size_t(verdict)].toString());
        return;
    }
    // The program sends nothing itself: the browser opens the forum's page with the values in its
    // address.
    if (!links::open(
            referralAddress(webaddresses::ReferAFriendPage, values, webaddresses::ProductHomePage)))
        m_services.critical(this, u"This web page cannot be opened: its address is too long for "
                                  u"the web browser."_s);
}

bool ExitWindow::eventFilter(QObject *watched, QEvent *event)
{
    const auto field = std::find_if(m_fields.begin(), m_fields.end(),
                                    [watched](const Field &f) { return f.widget == watched; });
    if (field == m_fields.end())
        return QWidget::eventFilter(watched, event);

    // Rewrite a field only when its text changes, so the caret and undo history survive.
    auto update = [field = *field](const QString &text) {
        if (text != fieldText(field.widget))
            setFieldText(field.widget, text);
    };
    switch (event->type()) {
    case QEvent::FocusIn: {
        if (!isFieldsOwnFocusChange(static_cast<QFocusEvent *>(event)))
            break;
        const auto leavePlaceholder = [update, field = *field] {
            if (field.widget->hasFocus())
                update(textOnFocusIn(fieldText(field.widget), field.placeholder));
        };
        // While a screen reader listens, just after the focus is announced: told of the change
        // first, it takes the change for the arrival and says nothing of the field at all.
        if (QAccessible::isActive())
            QTimer::singleShot(0, field->widget, leavePlaceholder);
        else
            leavePlaceholder();
        break;
    }
    case QEvent::FocusOut:
        if (isFieldsOwnFocusChange(static_cast<QFocusEvent *>(event)))
            update(textOnFocusOut(fieldText(field->widget), field->placeholder));
        break;
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        // With any modifier: Alt or Meta with the space bar would insert a blank all the same.
        const bool typesBlank = key->key() == Qt::Key_Space || key->text().contains(u' ');
        if (field->refusesBlank && typesBlank) {
            refuseBlank(field->widget);
            return true; // the key never reaches the field
        }
        break;
    }
    case QEvent::InputMethod: {
        auto *input = static_cast<QInputMethodEvent *>(event);
        if (field->refusesBlank && input->commitString().contains(u' ')) {
            QInputMethodEvent withoutCommit(input->preeditString(), input->attributes());
            QCoreApplication::sendEvent(field->widget, &withoutCommit);
            refuseBlank(field->widget);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void ExitWindow::refuseBlank(QWidget *field)
{
    m_services.critical(this, u"Email Address Cannot Contain Space"_s);
    field->setFocus();
}

void ExitWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    m_services.endProgram();
}

} // namespace planetarch
