// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

// The exit window, the last window of the program: it stays above other windows, appeals to the
// user to visit the forum, advertises the maker's other programs and carries a refer-a-friend form
// whose submission goes through modTellAFriend. Closing it in any way ends the program
// (modHelp::endProgram).

#include <QWidget>

#include <array>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace planetarch {

class FrmExit : public QWidget
{
    Q_OBJECT

public:
    explicit FrmExit(QWidget *parent = nullptr);

    // The text of an entry field as the form reads it. The message box keeps line breaks as CR LF.
    static QString fieldText(const QWidget *field);
    static void setFieldText(QWidget *field, const QString &text);

    // Shows the exit window, creating it first when it does not exist yet.
    static FrmExit *showExitWindow();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildReferralFrame();
    void buildCatalogueFrame();
    void load();
    void submit();
    void check1Clicked(bool ticked);

    struct Field
    {
        QWidget *widget;
        QString placeholder;
        bool refusesBlank;
    };
    std::array<Field, 5> m_fields{};
    QLineEdit *m_txtName = nullptr;
    QLineEdit *m_txtEmail = nullptr;
    QLineEdit *m_txtFriendName = nullptr;
    QLineEdit *m_txtFriendEmail = nullptr;
    QPlainTextEdit *m_txtMessage = nullptr;
    QPushButton *m_check1 = nullptr;
    QPushButton *m_cmdClose = nullptr;
    QPushButton *m_cmdSubmit = nullptr;
};

} // namespace planetarch
