// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

// The exit window, the last window of the program: it stays above other windows, appeals to the
// user to visit the forum, advertises the maker's other programs and carries a refer-a-friend form
// whose submission is checked by the rules of core/referral.h and opened in the browser. Closing it
// in any way ends the program (shutdown::endProgram).

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace planetarch {

class BoundedTextEdit;

class ExitWindow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ExitWindow)

public:
    explicit ExitWindow(QWidget *parent = nullptr);

    // The text of an entry field as the form reads it. The message box keeps line breaks as CR LF.
    static QString fieldText(const QWidget *field);
    static void setFieldText(QWidget *field, const QString &text);

    // Shows the exit window, creating it first when it does not exist yet.
    static ExitWindow *showExitWindow();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildReferralFrame();
    void buildCatalogueFrame();
    void load();
    void submit();
    void visitToggled(bool ticked);
    bool refuseBlank(QWidget *field);

    struct Field
    {
        QWidget *widget;
        QString placeholder;
        bool refusesBlank;
    };
    std::array<Field, 5> m_fields{};
    QLabel *m_appealLabel = nullptr;
    QLineEdit *m_nameEdit = nullptr;
    QLineEdit *m_emailEdit = nullptr;
    QLineEdit *m_friendNameEdit = nullptr;
    QLineEdit *m_friendEmailEdit = nullptr;
    BoundedTextEdit *m_messageEdit = nullptr;
    QPushButton *m_visitButton = nullptr;
    QPushButton *m_exitButton = nullptr;
    QPushButton *m_submitButton = nullptr;
};

} // namespace planetarch
