// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#pragma once

// The exit window (exitwindow.ui), the last window of the program: it stays above other windows,
// appeals to the user to visit the forum, advertises the maker's other programs and carries a
// refer-a-friend form whose submission is checked by the rules of core/referral.h and opened in
// the browser. Closing it in any way ends the program (Services::endProgram).

#include <QWidget>

#include <memory>
#include <vector>

namespace Ui {
class ExitWindow;
}

namespace planetarch {

class Services;

class ExitWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit ExitWindow(Services &services, QWidget *parent = nullptr);
    ~ExitWindow() override;

    // An entry field's text as the form reads and writes it: the message box keeps line breaks as
    // CR LF.
    static QString fieldText(const QWidget *field);
    static void setFieldText(QWidget *field, const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void prepareFields();
    void submit();
    void refuseBlank(QWidget *field);

    struct Field
    {
        QWidget *widget;
        QString placeholder;
        bool refusesBlank;
    };
    Services &m_services;
    std::unique_ptr<Ui::ExitWindow> m_ui;
    std::vector<Field> m_fields;
};

} // namespace planetarch
