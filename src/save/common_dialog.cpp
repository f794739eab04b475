#include "save/common_dialog.h"

#include <QFileDialog>

namespace {

QString askWithFileDialog(QWidget *parent, const QString &lastFileName)
{
    QFileDialog dialog(parent);
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
