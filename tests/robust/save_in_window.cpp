// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A helper program for the save-failure tests: it opens the window (offscreen), pastes a
// page of about KIBIBYTES KiB into the main box, clicks Save answering the dialog with PATH
// and reports what a user would see, one "name: value" line each:
//   error box: the message shown, or "none"
//   text kept: yes or no (the main box still holds the pasted page)
//   earlier file: intact, new page, changed, gone or none (what PATH held before the save)
//   stray files: names but PATH's left beside it that were not there before, or "none"
// Run as a child process so that a test can give it another user, a small disk or a kill.

#include "app/form1.h"
#include "box_text.h"
#include "page_bytes.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <optional>

namespace {

std::optional<QByteArray> regularFileBytes(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

QStringList folderEntries(const QString &path)
{
    return QFileInfo(path).dir().entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                           | QDir::NoDotAndDotDot);
}

void report(const char *name, const QString &value)
{
    std::printf("%s: %s\n", name, qPrintable(QString(value).replace(u'\n', u' ')));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: save_in_window PATH KIBIBYTES\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const int kibibytes = QByteArray(argv[2]).toInt();

    Form1 form;
    form.show();
    if (!QTest::qWaitForWindowActive(&form))
        return 3;
    auto *hmbox = qobject_cast<QPlainTextEdit *>(form.control(QStringLiteral("hmbox")));
    const QString line
            = QString::fromUtf8("<P>Gr\u00FC\u00DFe \u2013 \u65E5\u672C & \U0001F600</P>\r\n");
    QString page;
    while (page.size() < qsizetype(kibibytes) * 1024)
        page += line;
    QGuiApplication::clipboard()->setText(page);
    hmbox->setFocus();
    QTest::keyClick(hmbox, Qt::Key_V, Qt::ControlModifier);
    if (documentText(hmbox) != page)
        return 4;

    const std::optional<QByteArray> earlier = regularFileBytes(path);
    const QStringList entriesBefore = folderEntries(path);

    QString errorText = QStringLiteral("none");
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            errorText = box->text();
            box->done(QMessageBox::Ok);
        }
    });
    closer.start(1);
    form.CommonDialog1().setChooser([&](QWidget *, const QString &) { return path; });
    std::printf("saving\n");
    std::fflush(stdout);
    QTest::mouseClick(form.control(QStringLiteral("cmdSave")), Qt::LeftButton);
    closer.stop();

    report("error box", errorText);
    report("text kept", documentText(hmbox) == page ? QStringLiteral("yes") : QStringLiteral("no"));
    const std::optional<QByteArray> after = regularFileBytes(path);
    report("earlier file", !earlier                     ? QStringLiteral("none")
                           : !after                     ? QStringLiteral("gone")
                           : *after == *earlier         ? QStringLiteral("intact")
                           : *after == savedBytes(page) ? QStringLiteral("new page")
                                                        : QStringLiteral("changed"));
    QStringList stray;
    for (const QString &entry : folderEntries(path)) {
        if (!entriesBefore.contains(entry) && entry != QFileInfo(path).fileName())
            stray << entry;
    }
    report("stray files", stray.isEmpty() ? QStringLiteral("none") : stray.join(u", "));
    return 0;
}
