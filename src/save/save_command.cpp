#include "save/save_command.h"

#include "app/text_box.h"
#include "save/common_dialog.h"
#include "save/page_encoding.h"
#include "save/page_file.h"

#include <QMessageBox>

void saveMainBox(CommonDialog &dialog, const QPlainTextEdit *hmbox, QWidget *window)
{
    dialog.showSave(window);
    const QString fileName = dialog.fileName();
    if (fileName.isEmpty())
        return;

    QString reason;
    if (!writePageFile(fileName, encodePage(TextBox::text(hmbox), pageCodeset()), &reason)) {
        QMessageBox::critical(
                window, QStringLiteral("Tagwright"),
                QStringLiteral("The page could not be saved to\n%1\n\n%2").arg(fileName, reason));
    }
}
