// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT
#include "gui/services.h"

#include "core/identity.h"
#include "core/randomdraw.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinterInfo>

namespace planetarch {

using namespace Qt::StringLiterals;

namespace {

messages::Answer showMessageBox(QWidget *parent, const messages::Message &message)
{
    const bool question = message.buttons == messages::Buttons::YesNo;
    // A carriage return alone breaks the line in the program's texts; Qt breaks on line feeds.
    QString text = message.text;
    text.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
    QMessageBox box(message.icon == messages::Icon::Critical ? QMessageBox::Critical
                                                             : QMessageBox::Information,
                    identity::Title, text,
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(question ? QMessageBox::Yes : QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    if (message.answered)
        QObject::connect(&box, &QMessageBox::buttonClicked, &box, [&] { message.answered(&box); });
    const bool yes = box.exec() == QMessageBox::Yes;
    return !question ? messages::Answer::Ok : yes ? messages::Answer::Yes : messages::Answer::No;
}

// Qt's own dialog would guess each listed file's type and icon from its first bytes, on the
// window's thread: a file whose read never returns (/proc/kmsg for root, a FUSE file) would
// freeze the program. Here both come from the name alone.
class IconsByName final : public QFileIconProvider
{
public:
    QIcon icon(const QFileInfo &info) const override
    {
        if (info.isDir())
            return QFileIconProvider::icon(Folder);
        const QMimeType type = typeOf(info);
        return QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName(),
                                                                  QFileIconProvider::icon(File)));
    }
    QString type(const QFileInfo &info) const override { return typeOf(info).comment(); }

private:
    QMimeType typeOf(const QFileInfo &info) const
    {
        return info.isDir() ? m_types.mimeTypeForName(u"inode/directory"_s)
                            : m_types.mimeTypeForFile(info, QMimeDatabase::MatchExtension);
    }
    QMimeDatabase m_types;
};

QString showSaveDialog(QWidget *parent, const QString &title, const QString &filter,
                       const QString &suggestedPath)
{
    IconsByName icons;
    QFileDialog dialog(parent, title);
    dialog.setIconProvider(&icons);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(filter);
    // The dialog adds the extension to a name typed without one before it asks whether to
    // replace a file, so the question is about the file that will be written.
    dialog.setDefaultSuffix(QFileInfo(suggestedPath).suffix());
    dialog.selectFile(suggestedPath);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

bool showPrintDialog(const Services &services, QWidget *parent, QPrinter &printer)
{
    // With no printer set up the dialog offers an empty list, and its Print button does nothing.
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        services.information(parent, u"No printer is set up on this computer.\n\nTo keep the "
                                     u"reading or print it elsewhere, use File > Save Reading as "
                                     u"PDF..."_s);
        return false;
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(u"Print Reading"_s);
    // The dialog would open a file of its own choosing itself, blocking on a pipe and leaving a
    // broken file on a full disk: files come from the save commands, through one writer.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

Services::Services()
    : draw(randomdraw::draw), present(showMessageBox), chooseSavePath(showSaveDialog),
      choosePrinter([this](QWidget *parent, QPrinter &printer) {
          return showPrintDialog(*this, parent, printer);
      }),
      leaveEventLoop([] { QCoreApplication::exit(0); })
{
}

void Services::endProgram()
{
    if (std::exchange(m_ending, true))
        return;
    // Those open now; a window may refuse or already be gone when its turn comes (a close handler
    // may close another): the others still close.
    QList<QPointer<QWidget>> windows;
    const QWidgetList topLevel = QApplication::topLevelWidgets();
    std::copy_if(topLevel.begin(), topLevel.end(), std::back_inserter(windows),
                 [](const QWidget *window) { return window->isVisible(); });
    for (const QPointer<QWidget> &window : std::as_const(windows)) {
        if (window)
            window->close();
    }
    leaveEventLoop();
}

} // namespace planetarch
