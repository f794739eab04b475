// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/page_file.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace Qt::StringLiterals;

// Writing the page file onto what is already at the path: a link, a file with its own
// permissions, a FIFO. The ways a save fails are in the save-failure table.
class tst_PageFile : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void writesThroughASymbolicLink();
    void keepsTheFilesPermissions();
    void writesIntoAFifoInPlace();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "(unreadable)"_ba;
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Every name under dir, so that a stray temporary file shows.
QStringList entries(const QString &dir)
{
    QStringList names;
    QDirIterator it(dir, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        names << QDir(dir).relativeFilePath(it.next());
    names.sort();
    return names;
}

} // namespace

void tst_PageFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_PageFile::writesThroughASymbolicLink()
{
    QVERIFY(QDir(m_dir->path()).mkdir(u"real"_s));
    put(path(u"real/page.html"_s), "an older, longer page"_ba);
    QVERIFY(QFile::link(path(u"real/page.html"_s), path(u"link.html"_s)));

    QString reason;
    QVERIFY2(writePageFile(path(u"link.html"_s), "new"_ba, &reason), qPrintable(reason));
    QVERIFY(QFileInfo(path(u"link.html"_s)).isSymLink());
    QCOMPARE(contents(path(u"real/page.html"_s)), "new"_ba);
    QCOMPARE(entries(m_dir->path()), QStringList({u"link.html"_s, u"real"_s, u"real/page.html"_s}));
}

void tst_PageFile::keepsTheFilesPermissions()
{
    put(path(u"page.html"_s), "old"_ba);
    const QByteArray page = QFile::encodeName(path(u"page.html"_s));
    QCOMPARE(::chmod(page.constData(), 0640), 0);
    QString reason;
    QVERIFY(writePageFile(path(u"page.html"_s), "new"_ba, &reason));
    struct stat status
    {
    };
    QCOMPARE(::stat(page.constData(), &status), 0);
    QCOMPARE(status.st_mode & 07777, mode_t(0640));
}

void tst_PageFile::writesIntoAFifoInPlace()
{
    const QByteArray fifo = QFile::encodeName(path(u"pipe"_s));
    QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
    // The reader is there before the save, as a program reading a pipe would be.
    const int readEnd = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK);
    QVERIFY(readEnd >= 0);
    QCOMPARE(::fcntl(readEnd, F_SETFL, 0), 0);
    QByteArray received;
    std::thread reader([&] {
        char buffer[256];
        for (ssize_t count; (count = ::read(readEnd, buffer, sizeof buffer)) > 0;)
            received.append(buffer, count);
        ::close(readEnd);
    });
    QString reason;
    const bool written = writePageFile(path(u"pipe"_s), "through the pipe"_ba, &reason);
    reader.join();
    QVERIFY2(written, qPrintable(reason));
    QCOMPARE(received, "through the pipe"_ba);
    struct stat status
    {
    };
    QCOMPARE(::stat(fifo.constData(), &status), 0);
    QVERIFY(S_ISFIFO(status.st_mode));
}

QTEST_GUILESS_MAIN(tst_PageFile)
#include "tst_page_file.moc"
