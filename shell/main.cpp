// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel placeholder(QStringLiteral("Planetarch"));
    placeholder.setWindowTitle(QStringLiteral("Planetarch v1.0"));
    placeholder.resize(592, 370);
    placeholder.show();
    return app.exec();
}
