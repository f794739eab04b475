// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/common_dialog.h"

#include <QFileDialog>
#include <QFileIconProvider>
#include <QMimeDatabase>

namespace {

// Names a file's type and icon from its name alone. The default provider reads the first
// bytes of every file the dialog lists, and some files never answer a read (/proc/kmsg,
// readable by root), which froze the dialog and with it the window.
class NameOnlyIconProvider : public QFileIconProvider
{
public:
    QIcon icon(const QFileInfo &info) const override
    {
        if (!info.isFile())
            return QFileIconProvider::icon(info);
        return QIcon::fromTheme(typeByName(info).iconName(), QFileIconProvider::icon(File));
    }

    QString type(const QFileInfo &info) const override
    {
        if (!info.isFile())
            return QFileIconProvider::type(info);
        const QMimeType mimeType = typeByName(info);
        return mimeType.comment().isEmpty() ? mimeType.name() : mimeType.comment();
    }

private:
    static QMimeType typeByName(const QFileInfo &info)
    {
        return QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension);
    }
};

QString askWithFileDialog(QWidget *parent, const QString &lastFileName)
{
    NameOnlyIconProvider iconProvider; // outlives the dialog, which only borrows it
    QFileDialog dialog(parent);
    dialog.setIconProvider(&iconProvider);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!lastFileName.isEmpty())
        dialog.selectFile(lastFileName);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

} // namespace

CommonDialog::CommonDialog()
    : m_chooser(askWithFileDialog)
{ }

void CommonDialog::showSave(QWidget *parent)
{
    // A cancel empties the name, so the earlier name is not saved to again.
    m_fileName = m_chooser(parent, m_fileName);
}
