// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/file/page_file.h"
#include "save/file/page_write_decision.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <fcntl.h>
#include <new>
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

    void decidesHowThePageIsWritten_data();
    void decidesHowThePageIsWritten();

    void writesThroughASymbolicLink();
    void neverRenamesOverAFileSwappedIn();
    void keepsTheFilesPermissions();
    void writesIntoAFifoInPlace();
    void producedPiecesMakeTheFile();
    void failingProducerKeepsTheEarlierFile_data();
    void failingProducerKeepsTheEarlierFile();

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

// The save's way in, handed the whole page at once.
bool writePage(const QString &path, const QByteArray &bytes, QString *reason)
{
    return writePageFile(
            path, [&bytes](const PageSink &write) { write(bytes); }, reason);
}

} // namespace

void tst_PageFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_PageFile::decidesHowThePageIsWritten_data()
{
    QTest::addColumn<PageFacts>("facts");
    QTest::addColumn<PageWriteWay>("way");
    QTest::addColumn<QString>("reason"); // what a refusal says
    using enum PageKind;
    using enum PageWriteWay;
    const auto row
            = [](const char *name, PageFacts facts, PageWriteWay way, const char *reason = "") {
                  QTest::newRow(name) << facts << way << QString::fromLatin1(reason);
              };
    // The user's own page, readable and writable, with one name, and a change to it.
    const auto own = [](auto change) {
        PageFacts facts{.kind = RegularFile, .access = PageAccess::ReadWrite};
        facts.ownedByUser = facts.groupGivable = true;
        change(facts);
        return facts;
    };
    row("new page", {}, Create);
    row("missing folder", {.folderError = ENOENT}, Refuse, "No such file or directory");
    row("folder not writable", {.folderError = EACCES}, Refuse, "Permission denied");
    row("file as parent", {.lookupError = ENOTDIR}, Refuse, "Not a directory");
    row("folder as path", {.kind = Folder}, Refuse, "directory");
    row("FIFO", {.kind = Device, .folderError = EACCES}, WriteIntoDevice);
    row("disk", {.kind = BlockDevice}, Refuse, "It is a disk");
    row("socket", {.kind = Socket}, Refuse, "It is a socket");
    row("file not writable", own([](PageFacts &f) { f.access = {}, f.openError = EACCES; }), Refuse,
        "not writable: Permission denied");
    row("own page", own([](PageFacts &) {}), Replace);
    row("own page, write-only", own([](PageFacts &f) { f.access = PageAccess::WriteOnly; }),
        Replace);
    row("own page, of a group the user is not in",
        own([](PageFacts &f) { f.groupGivable = false; }), WriteInPlace);
    row("own page, folder closed to new files", own([](PageFacts &f) { f.folderError = EACCES; }),
        WriteInPlace);
    row("own page, second name", own([](PageFacts &f) { f.names = 2; }), WriteInPlace);
    row("own page, append-only folder", own([](PageFacts &f) { f.folderAppendOnly = true; }),
        WriteInPlace);
    row("new page, append-only folder", {.folderAppendOnly = true}, Create);
    row("own page, access list the new file did not take",
        own([](PageFacts &f) { f.replacementFailed = true; }), WriteInPlace);
    row("page of a group the user is in", own([](PageFacts &f) { f.ownedByUser = false; }),
        WriteInPlace);
    row("own page, swapped for another as it was opened",
        own([](PageFacts &f) { f.swapped = true; }), Refuse, "swapped for another");
    row("write-only group page, second name", own([](PageFacts &f) {
            f.access = PageAccess::WriteOnly, f.ownedByUser = false, f.names = 2;
        }),
        WriteInPlace);
}

void tst_PageFile::decidesHowThePageIsWritten()
{
    QFETCH(PageFacts, facts);
    QFETCH(PageWriteWay, way);
    QFETCH(QString, reason);
    const PageWrite decision = decidePageWrite(facts);
    QCOMPARE(int(decision.way), int(way));
    QVERIFY(decision.reason.contains(reason) && decision.reason.isEmpty() == reason.isEmpty());
}

void tst_PageFile::writesThroughASymbolicLink()
{
    QVERIFY(QDir(m_dir->path()).mkdir(u"real"_s));
    put(path(u"real/page.html"_s), "an older, longer page"_ba);
    QVERIFY(QFile::link(path(u"real/page.html"_s), path(u"link.html"_s)));

    QString reason;
    QVERIFY2(writePage(path(u"link.html"_s), "new"_ba, &reason), qPrintable(reason));
    QVERIFY(QFileInfo(path(u"link.html"_s)).isSymLink());
    QCOMPARE(contents(path(u"real/page.html"_s)), "new"_ba);
    QCOMPARE(entries(m_dir->path()), QStringList({u"link.html"_s, u"real"_s, u"real/page.html"_s}));
}

void tst_PageFile::neverRenamesOverAFileSwappedIn()
{
    put(path(u"page.html"_s), "the page"_ba);
    put(path(u"other.html"_s), "another file"_ba);
    QString reason;
    // Another program puts its file in the page's place while the new page is written.
    const bool written = writePageFile(
            path(u"page.html"_s),
            [&](const PageSink &write) {
                write("new"_ba);
                ::rename(qPrintable(path(u"other.html"_s)), qPrintable(path(u"page.html"_s)));
            },
            &reason);
    QVERIFY(!written && reason.contains(u"swapped"_s));
    QCOMPARE(contents(path(u"page.html"_s)), "another file"_ba);
    QCOMPARE(entries(m_dir->path()), QStringList{u"page.html"_s});
}

void tst_PageFile::keepsTheFilesPermissions()
{
    put(path(u"page.html"_s), "old"_ba);
    const QByteArray page = QFile::encodeName(path(u"page.html"_s));
    QCOMPARE(::chmod(page.constData(), 0640), 0);
    QString reason;
    QVERIFY(writePage(path(u"page.html"_s), "new"_ba, &reason));
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
    const bool written = writePage(path(u"pipe"_s), "through the pipe"_ba, &reason);
    reader.join();
    QVERIFY2(written, qPrintable(reason));
    QCOMPARE(received, "through the pipe"_ba);
    struct stat status
    {
    };
    QCOMPARE(::stat(fifo.constData(), &status), 0);
    QVERIFY(S_ISFIFO(status.st_mode));
}

void tst_PageFile::producedPiecesMakeTheFile()
{
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString path = directory.filePath(u"page.html"_s);
    QFile earlier(path);
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write(QByteArray(1000, 'z'));
    earlier.close();

    QString reason;
    const bool saved = writePageFile(
            path,
            [](const PageSink &write) {
                QVERIFY(write("<html>"));
                QVERIFY(write(QByteArray()));
                QVERIFY(write("\r\n</html>"));
            },
            &reason);
    QVERIFY2(saved, qPrintable(reason));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), "<html>\r\n</html>"_ba);
}

void tst_PageFile::failingProducerKeepsTheEarlierFile_data()
{
    QTest::addColumn<QStringList>("names"); // of the earlier page
    QTest::addColumn<int>("throwingPass"); // a page written in place is produced twice
    QTest::addColumn<QString>("reason"); // what the save says; none where the exception passes on
    QTest::newRow("replaced") << QStringList{u"page.html"_s} << 1 << QString();
    QTest::newRow("second name, written in place")
            << QStringList{u"other.html"_s, u"page.html"_s} << 2
            << u"Cannot allocate memory.\nThe earlier page was put back unchanged."_s;
}

// The encoder runs out of memory partway through a page longer than the earlier one.
void tst_PageFile::failingProducerKeepsTheEarlierFile()
{
    QFETCH(const QStringList, names);
    QFETCH(const int, throwingPass);
    QFETCH(const QString, reason);
    put(path(u"page.html"_s), "earlier page");
    if (names.size() > 1)
        QCOMPARE(::link(qPrintable(path(u"page.html"_s)), qPrintable(path(u"other.html"_s))), 0);

    QString said;
    int pass = 0;
    try {
        QVERIFY(!writePageFile(
                path(u"page.html"_s),
                [&](const PageSink &write) {
                    write("half a pa");
                    if (++pass == throwingPass)
                        throw std::bad_alloc();
                    write("ge, longer than the earlier one");
                },
                &said));
    } catch (const std::bad_alloc &) {
        QVERIFY2(reason.isEmpty(), "the exception passed on from a page written in place");
    }
    QCOMPARE(said, reason);
    for (const QString &name : names)
        QCOMPARE(contents(path(name)), "earlier page"_ba);
    QCOMPARE(entries(m_dir->path()), names);
}

QTEST_GUILESS_MAIN(tst_PageFile)
#include "tst_page_file.moc"
