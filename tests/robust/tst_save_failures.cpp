// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/encoding/page_encoding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

// The save-failure table: every way a save can fail that these tests can bring about,
// each run in a child process (save_in_window) that saves from the real window. Each
// failure must show the error box, keep the main box's text and leave what was at the
// path (an earlier page, a folder, a FIFO) as it was, with nothing new beside it. The rows
// with no reason are pages a new file could not stand in for: their save must succeed, and
// the page keep its owner, group, mode, access list and other names.
class TestSaveFailures : public QObject
{
    Q_OBJECT

public:
    enum Failure {
        MissingFolder,
        FolderAsPath,
        FileAsParent,
        NameTooLong,
        PathTooLong,
        FolderNotWritable,
        FileNotWritable,
        DiskFull,
        SmallPageOnFullDisk,
        FifoWithoutReader,
        FifoReaderLeaves,
        KilledMidWrite,
        GroupOwnedPage,
        GroupPageWithAccessList,
        OwnPageWithAccessList,
        HardLinkedPage,
        PageInClosedFolder,
        DiskFullInPlace,
        WriteFailsPutBack,
        WriteFailsNotPutBack,
        WriteOnlyGroupPage,
        SyncFailsWhenReplacing,
        FullBtrfsInPlace,
    };
    Q_ENUM(Failure)

private slots:
    void failedSaveChangesNothing_data();
    void failedSaveChangesNothing();
    void cleanupTestCase();

private:
    QStringList m_table;
};

namespace {

const QByteArray earlierPage = "<html><Body>the earlier page</Body></html>\r\n";

struct Outcome
{
    QString errorBox;
    QString textKept;
    QString earlierFile;
    QString strayFiles;
    QString problem; // set when the helper did not run to its report
};

// Runs save_in_window PATH KIBIBYTES, behind prefix (another user, a namespace).
Outcome saveInWindow(const QStringList &prefix, const QString &path, int kibibytes,
                     const QString &shellSetUp = {})
{
    QStringList command = prefix;
    if (!shellSetUp.isEmpty())
        command << QStringLiteral("sh") << QStringLiteral("-c")
                << shellSetUp + QStringLiteral(" && exec \"$0\" \"$@\"");
    command << QStringLiteral(SAVE_IN_WINDOW_HELPER) << path << QString::number(kibibytes);
    QProcess helper;
    helper.start(command.takeFirst(), command);
    Outcome outcome;
    if (!helper.waitForFinished(120'000)) {
        helper.kill();
        helper.waitForFinished();
        outcome.problem = QStringLiteral("the save did not finish within two minutes");
        return outcome;
    }
    const QString output = QString::fromLocal8Bit(helper.readAllStandardOutput());
    for (const QString &line : output.split(u'\n')) {
        const QString value = line.section(QStringLiteral(": "), 1);
        if (line.startsWith(u"error box: "))
            outcome.errorBox = value;
        else if (line.startsWith(u"text kept: "))
            outcome.textKept = value;
        else if (line.startsWith(u"earlier file: "))
            outcome.earlierFile = value;
        else if (line.startsWith(u"stray files: "))
            outcome.strayFiles = value;
    }
    if (helper.exitStatus() != QProcess::NormalExit || helper.exitCode() != 0
        || outcome.strayFiles.isEmpty()) {
        outcome.problem
                = QStringLiteral("the helper ended with status %1 (%2): %3 %4")
                          .arg(helper.exitCode())
                          .arg(helper.exitStatus() == QProcess::NormalExit
                                       ? QStringLiteral("exited")
                                       : QStringLiteral("killed by a signal"))
                          .arg(output, QString::fromLocal8Bit(helper.readAllStandardError()));
    }
    return outcome;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Inode, owner, group, mode, number of names and extended attributes (access list among them).
QString identity(const QString &path)
{
    struct stat status = {};
    stat(qPrintable(path), &status);
    QString result = QString::asprintf("%lu %u:%u %o, %d names", status.st_ino, status.st_uid,
                                       status.st_gid, status.st_mode, int(status.st_nlink));
    char names[4096], value[4096];
    const ssize_t length = qMax(listxattr(qPrintable(path), names, sizeof names), ssize_t(0));
    for (const QByteArray &name : QByteArray(names, length).split('\0')) {
        const ssize_t size = getxattr(qPrintable(path), name.constData(), value, sizeof value);
        result += QString::fromLatin1(' ' + name + '='
                                      + QByteArray(value, qMax(size, ssize_t(0))).toHex());
    }
    return result;
}

constexpr gid_t sharedGroup = 100; // a shared folder's group, as Debian's "users"

// The bytes of the page save_in_window pastes and saves.
QByteArray savedPage(int kibibytes)
{
    const QString line
            = QString::fromUtf8("<P>Gr\u00FC\u00DFe \u2013 \u65E5\u672C & \U0001F600</P>\r\n");
    return encodePage(line.repeated((kibibytes * 1024 + line.size() - 1) / line.size()),
                      pageCodeset());
}

// Runs a command as the unprivileged user nobody, in groups if given, when the tests run as
// root, as CI does.
QStringList asUnprivilegedUser(gid_t group = 0)
{
    if (geteuid() != 0)
        return {};
    return {QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
            QStringLiteral("--regid=65534"),
            group == 0 ? QStringLiteral("--clear-groups")
                       : QStringLiteral("--groups=%1").arg(group)};
}

// Whether a command prefix from asUnprivilegedUser() can run the helper at all: not when the
// build lies under a folder closed to other users, such as root's home.
bool helperRunsAs(const QStringList &prefix)
{
    QProcess probe;
    probe.start(prefix.first(), prefix.mid(1)
                                        + QStringList{QStringLiteral("test"), QStringLiteral("-x"),
                                                      QStringLiteral(SAVE_IN_WINDOW_HELPER)});
    return probe.waitForFinished(30'000) && probe.exitStatus() == QProcess::NormalExit
           && probe.exitCode() == 0;
}

// Whether unshare with option gives a private mount namespace in which mounting works.
bool privateMountsWork(const QString &option = QStringLiteral("-rm"),
                       const QString &mount
                       = QStringLiteral("mount -t tmpfs -o size=64k tmpfs /mnt"))
{
    QProcess probe;
    probe.start(QStringLiteral("unshare"),
                {option, QStringLiteral("sh"), QStringLiteral("-c"), mount});
    return probe.waitForFinished(30'000) && probe.exitStatus() == QProcess::NormalExit
           && probe.exitCode() == 0;
}

} // namespace

void TestSaveFailures::failedSaveChangesNothing_data()
{
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<QString>("reason"); // what the error box must say about the cause

    QTest::newRow("missing folder") << MissingFolder << QStringLiteral("No such file or directory");
    QTest::newRow("folder as path") << FolderAsPath << QStringLiteral("directory");
    QTest::newRow("file as parent") << FileAsParent << QStringLiteral("Not a directory");
    QTest::newRow("name too long") << NameTooLong << QStringLiteral("File name too long");
    QTest::newRow("path too long") << PathTooLong << QStringLiteral("File name too long");
    QTest::newRow("folder not writable")
            << FolderNotWritable << QStringLiteral("Permission denied");
    QTest::newRow("file not writable") << FileNotWritable << QStringLiteral("not writable");
    QTest::newRow("disk full") << DiskFull << QStringLiteral("No space left on device");
    // Small enough to wait in the write buffer, so only flushing it can meet the full disk.
    QTest::newRow("small page, disk already full")
            << SmallPageOnFullDisk << QStringLiteral("No space left on device");
    QTest::newRow("FIFO without a reader")
            << FifoWithoutReader << QStringLiteral("No program is reading from it");
    QTest::newRow("FIFO whose reader leaves") << FifoReaderLeaves << QStringLiteral("Broken pipe");
    QTest::newRow("killed mid-write") << KilledMidWrite << QString();
    QTest::newRow("page of a group the user is in") << GroupOwnedPage << QString();
    QTest::newRow("access list entry, group's page") << GroupPageWithAccessList << QString();
    QTest::newRow("access list entry, own page") << OwnPageWithAccessList << QString();
    QTest::newRow("second name (hard link)") << HardLinkedPage << QString();
    QTest::newRow("own page, folder closed to new files") << PageInClosedFolder << QString();
    QTest::newRow("disk full, written in place")
            << DiskFullInPlace << QStringLiteral("No space left on device");
    QTest::newRow("write fails in place, page put back")
            << WriteFailsPutBack << QStringLiteral("The earlier page was put back unchanged");
    QTest::newRow("write fails in place, not put back")
            << WriteFailsNotPutBack << QStringLiteral("The earlier page could not be put back");
    QTest::newRow("write-only group page, second name") << WriteOnlyGroupPage << QString();
    QTest::newRow("sync to disk fails, replacing")
            << SyncFailsWhenReplacing << QStringLiteral("Input/output error");
    QTest::newRow("full btrfs, written in place")
            << FullBtrfsInPlace << QStringLiteral("No space left on device");
}

void TestSaveFailures::failedSaveChangesNothing()
{
    QFETCH(Failure, failure);
    QFETCH(QString, reason);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(QFile::setPermissions(
            folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                   | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));
    const QDir dir(folder.path());
    QString path = dir.filePath(QStringLiteral("page.html"));
    const QString otherName = dir.filePath(QStringLiteral("other-name.html"));
    QStringList prefix;
    QString shellSetUp;
    int kibibytes = 16;
    QProcess fifoReader;

    switch (failure) {
    case MissingFolder:
        path = dir.filePath(QStringLiteral("missing/page.html"));
        break;
    case FolderAsPath:
        path = dir.filePath(QStringLiteral("folder"));
        QVERIFY(dir.mkdir(QStringLiteral("folder")));
        QVERIFY(writeFile(dir.filePath(QStringLiteral("folder/inside.html")), earlierPage));
        break;
    case FileAsParent:
        QVERIFY(writeFile(dir.filePath(QStringLiteral("notes.txt")), earlierPage));
        path = dir.filePath(QStringLiteral("notes.txt/page.html"));
        break;
    case NameTooLong:
        path = dir.filePath(QString(300, u'n') + QStringLiteral(".html"));
        break;
    case PathTooLong:
        path = dir.filePath(QStringLiteral("deeper/").repeated(600) + QStringLiteral("page.html"));
        break;
    case FolderNotWritable: // a new page
        prefix = asUnprivilegedUser();
        if (prefix.isEmpty() && access(qPrintable(folder.path()), W_OK) == 0)
            QSKIP("no way to a user that cannot write the folder");
        break;
    case FileNotWritable:
        QVERIFY(writeFile(path, earlierPage));
        QVERIFY(QFile::setPermissions(path,
                                      QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        QVERIFY(chmod(qPrintable(folder.path()), 01777) == 0); // anyone may add files
        prefix = asUnprivilegedUser();
        break;
    case DiskFull:
    case SmallPageOnFullDisk:
    case DiskFullInPlace:
        if (!privateMountsWork())
            QSKIP("unshare -rm cannot give this test a private mount namespace for a small disk");
        // A 64 KiB disk of its own, seen only by the helper, holding the earlier page.
        prefix = QStringList{QStringLiteral("unshare"), QStringLiteral("-rm")};
        shellSetUp
                = QStringLiteral("mount -t tmpfs -o size=64k tmpfs '%1' && printf '%2' > '%3'")
                          .arg(folder.path(),
                               QString::fromLatin1(earlierPage)
                                       .replace(QStringLiteral("\r\n"), QStringLiteral("\\r\\n")),
                               path);
        kibibytes = 256;
        if (failure == SmallPageOnFullDisk) {
            // A filler takes every block left, so not even a one-KiB page fits.
            shellSetUp += QStringLiteral(" && { head -c 1M /dev/zero > '%1/filler' 2>/dev/null; "
                                         "test -s '%1/filler'; }")
                                  .arg(folder.path());
            kibibytes = 1;
        }
        if (failure == DiskFullInPlace) // a second name has the page written in place
            shellSetUp += QStringLiteral(" && ln '%1' '%2'").arg(path, otherName);
        break;
    case FifoWithoutReader:
    case FifoReaderLeaves:
        QVERIFY(mkfifo(qPrintable(path), 0644) == 0);
        if (failure == FifoReaderLeaves) {
            // Reads a little of the page and goes away.
            fifoReader.start(QStringLiteral("head"),
                             {QStringLiteral("-c"), QStringLiteral("100"), path});
            QVERIFY(fifoReader.waitForStarted());
        }
        kibibytes = 1024;
        break;
    case KilledMidWrite:
    case OwnPageWithAccessList:
        QVERIFY(writeFile(path, earlierPage));
        break;
    case GroupOwnedPage:
    case GroupPageWithAccessList:
    case HardLinkedPage:
    case WriteOnlyGroupPage:
        // root's page in root's folder, both open to a group; saved by a member of the group.
        prefix = asUnprivilegedUser(sharedGroup);
        if (prefix.isEmpty())
            QSKIP("only root can give the page to root and a group the test's user is in");
        // The hard-linked page is longer than the new one: writing in place must cut it.
        QVERIFY(writeFile(path, failure == HardLinkedPage ? earlierPage.repeated(999) : earlierPage)
                && chown(qPrintable(path), 0, sharedGroup) == 0);
        QVERIFY(chown(qPrintable(folder.path()), 0, sharedGroup) == 0);
        QVERIFY(chmod(qPrintable(folder.path()), 0775) == 0
                && chmod(qPrintable(path), failure == WriteOnlyGroupPage ? 0620 : 0664) == 0);
        if (failure == HardLinkedPage || failure == WriteOnlyGroupPage)
            QVERIFY(link(qPrintable(path), qPrintable(otherName)) == 0);
        break;
    case PageInClosedFolder:
        // The user's own page in root's folder (mode 755), where nothing new can be made.
        QVERIFY(writeFile(path, earlierPage));
        prefix = asUnprivilegedUser();
        if (prefix.isEmpty())
            QSKIP("only root can give the page to another user");
        QVERIFY(chown(qPrintable(path), 65534, 65534) == 0);
        break;
    case SyncFailsWhenReplacing:
    case WriteFailsPutBack:
    case WriteFailsNotPutBack:
        // A second name has the page written in place; strace fails its second write, and
        // with "2+" every write after it too, the putting back among them.
        if (QStandardPaths::findExecutable(QStringLiteral("strace")).isEmpty())
            QSKIP("strace is not installed");
        QVERIFY(writeFile(path, earlierPage));
        QVERIFY(failure == SyncFailsWhenReplacing
                || link(qPrintable(path), qPrintable(otherName)) == 0);
        prefix = QStringLiteral("strace -qq -o /dev/null -e inject=pwrite64:error=EIO:when=2%1")
                         .arg(failure == WriteFailsPutBack ? "" : "+")
                         .split(u' ');
        if (failure == SyncFailsWhenReplacing) // the own page is replaced; its sync fails
            prefix.last() = QStringLiteral("inject=fsync:error=EIO");
        // LeakSanitizer cannot work under ptrace, so a sanitizer build's leak check is off.
        shellSetUp = QStringLiteral(
                "export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0");
        kibibytes = 256;
        break;
    case FullBtrfsInPlace: {
        // A 160 MiB btrfs seen only by the helper, holding a 4 MiB page with a second name,
        // filled up but for 512 KiB, less than the new page of over a MiB needs.
        const QString image = dir.filePath(QStringLiteral("disk.btrfs"));
        if (!privateMountsWork(QStringLiteral("-m"),
                               QStringLiteral("truncate -s 160M '%1' && mkfs.btrfs -q '%1' "
                                              ">/dev/null && mount -o loop '%1' /mnt")
                                       .arg(image)))
            QSKIP("no btrfs image here: it takes root, mkfs.btrfs (btrfs-progs), loop devices "
                  "and btrfs in the kernel");
        prefix = QStringList{QStringLiteral("unshare"), QStringLiteral("-m")};
        shellSetUp = QStringLiteral("mkfs.btrfs -q -f '%1' >/dev/null && mount -o loop '%1' '%2' "
                                    "&& yes 'the earlier page' | head -c 4M > '%3' && ln '%3' '%4' "
                                    "&& head -c 512K /dev/zero > '%2/room' && sync -f '%2' "
                                    "&& { head -c 1G /dev/zero > '%2/filler' 2>/dev/null; "
                                    "test -s '%2/filler'; } && rm '%2/room' && sync -f '%2'")
                             .arg(image, folder.path(), path, otherName);
        kibibytes = 1024;
        break;
    }
    }
    const QStringList addAccessListEntry = {QStringLiteral("-m"), QStringLiteral("g:33:r"), path};
    if ((failure == GroupPageWithAccessList || failure == OwnPageWithAccessList)
        && QProcess::execute(QStringLiteral("setfacl"), addAccessListEntry) != 0)
        QSKIP("setfacl cannot add an access list entry here (is the acl package installed?)");

    if (failure == KilledMidWrite) {
        // The killed-save test tries many moments; here one, in the middle of the write.
        QProcess save;
        save.start(QStringLiteral(WRITE_PAGE_HELPER), {path, QStringLiteral("50")});
        while (!save.readAllStandardOutput().contains("writing"))
            QVERIFY(save.waitForReadyRead(60'000));
        QTest::qSleep(20);
        ::kill(pid_t(save.processId()), SIGKILL);
        QVERIFY(save.waitForFinished());
        QCOMPARE(save.exitStatus(), QProcess::CrashExit);
        QCOMPARE(readFile(path), earlierPage);
        QCOMPARE(dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                               | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("page.html")});
        m_table << QStringLiteral(
                           "%1: killed, so no error box; earlier file intact; stray files: none")
                           .arg(QLatin1String(QTest::currentDataTag()));
        return;
    }

    if (prefix.value(0) == u"setpriv" && !helperRunsAs(prefix))
        QSKIP("the unprivileged user cannot reach the helper: the build is in a closed folder");

    const QStringList entriesBefore
            = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    const QString identityBefore = identity(path);
    const Outcome outcome = saveInWindow(prefix, path, kibibytes, shellSetUp);
    if (fifoReader.state() != QProcess::NotRunning)
        fifoReader.waitForFinished();
    m_table << QStringLiteral(
                       "%1: error box \"%2\"; text kept: %3; earlier file: %4; stray files: %5")
                       .arg(QLatin1String(QTest::currentDataTag()), outcome.errorBox.left(200),
                            outcome.textKept, outcome.earlierFile, outcome.strayFiles);

    QVERIFY2(outcome.problem.isEmpty(), qPrintable(outcome.problem));
    QVERIFY2((outcome.errorBox != u"none") != reason.isEmpty(), qPrintable(outcome.errorBox));
    QVERIFY2(reason.isEmpty() || outcome.errorBox.contains(QFileInfo(path).fileName()),
             qPrintable(outcome.errorBox));
    QVERIFY2(outcome.errorBox.contains(reason, Qt::CaseInsensitive), qPrintable(outcome.errorBox));
    QCOMPARE(outcome.textKept, QStringLiteral("yes"));
    QCOMPARE(outcome.strayFiles, QStringLiteral("none"));

    // What was at the path before is still there, unchanged.
    switch (failure) {
    case GroupOwnedPage:
    case GroupPageWithAccessList:
    case OwnPageWithAccessList:
    case HardLinkedPage:
    case PageInClosedFolder:
    case WriteOnlyGroupPage:
        // Read by the test, as root: the user cannot read a write-only page.
        QVERIFY(readFile(path) == savedPage(kibibytes));
        QCOMPARE(identity(path).section(u' ', 1), identityBefore.section(u' ', 1));
        // Only the user's own page is replaced: a new file (inode) took its access list.
        QCOMPARE(identity(path) == identityBefore, failure != OwnPageWithAccessList);
        if (failure == HardLinkedPage || failure == WriteOnlyGroupPage)
            QCOMPARE(readFile(otherName), readFile(path));
        break;
    case WriteFailsNotPutBack:
        QCOMPARE(outcome.earlierFile, QStringLiteral("changed"));
        break;
    case FileNotWritable:
    case WriteFailsPutBack:
    case SyncFailsWhenReplacing:
        QCOMPARE(readFile(path), earlierPage);
        QCOMPARE(outcome.earlierFile, QStringLiteral("intact"));
        break;
    case DiskFullInPlace: // the reservation failed, before a byte of the page changed
    case FullBtrfsInPlace:
        QVERIFY2(!outcome.errorBox.contains(u"put back"), qPrintable(outcome.errorBox));
        Q_FALLTHROUGH();
    case DiskFull: // the small disk is gone with the helper's namespace: it looked for us
    case SmallPageOnFullDisk:
        QCOMPARE(outcome.earlierFile, QStringLiteral("intact"));
        break;
    case FolderAsPath:
        QVERIFY(QFileInfo(path).isDir());
        QCOMPARE(readFile(dir.filePath(QStringLiteral("folder/inside.html"))), earlierPage);
        break;
    case FileAsParent:
        QCOMPARE(readFile(dir.filePath(QStringLiteral("notes.txt"))), earlierPage);
        break;
    case FifoWithoutReader:
    case FifoReaderLeaves: {
        struct stat status = {};
        QVERIFY(lstat(qPrintable(path), &status) == 0);
        QVERIFY2(S_ISFIFO(status.st_mode), "the FIFO was replaced");
        break;
    }
    default:
        QCOMPARE(outcome.earlierFile, QStringLiteral("none"));
        break;
    }
    QCOMPARE(dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
             entriesBefore);
}

void TestSaveFailures::cleanupTestCase()
{
    qInfo("The save-failure table:\n%s", qPrintable(m_table.join(u'\n')));
}

QTEST_MAIN(TestSaveFailures)
#include "tst_save_failures.moc"
