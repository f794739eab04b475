// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_bytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <unistd.h>

// The save-failure table: every way a save can fail that these tests can bring about,
// each run in a child process (save_in_window) that saves from the real window. Each
// failure must show the error box, keep the main box's text and leave what was at the
// path (an earlier page, a folder, a FIFO) as it was, with nothing new beside it. The rows
// with no reason are pages a new file could not stand in for, or hard to reach: their save
// must succeed, and the page keep its owner, group, mode, access list and other names. A row
// holds its whole case: shell set-up and check (see saveScript), who saves, and where.

// Who saves: the test's user, or, when the tests run as root as CI does, the unprivileged
// user nobody, alone or in the group of a shared folder.
enum class Saver { TestUser, Nobody, GroupMember };

struct SaveCase
{
    QString page = QStringLiteral("page.html"); // the path saved to, in the test's folder
    QString setUp = {}; // shell, in the folder ($AUX holds disk images): what the path holds
    Saver saver = Saver::TestUser;
    QString mounts = {}; // unshare's option for a mount namespace of the row's own
    QString wrapper = {}; // what the helper runs under (strace), word by word
    int kibibytes = 16;
    QString earlier = QStringLiteral("none"); // what the helper saw become of the path's file
    QString check = {}; // shell, in the folder after the save, that must succeed
    QString need = {}; // shell that fails where the machine lacks what the row needs
    bool killMidWrite = false; // killed in the middle of the write, so it reports nothing
};

class TestSaveFailures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void failedSaveChangesNothing_data();
    void failedSaveChangesNothing();
    void cleanupTestCase();

private:
    QStringList m_table;
    QTemporaryDir m_tools; // the helper, where the unprivileged user reaches it
};

namespace {

const QByteArray earlierPage = "<html><Body>the earlier page</Body></html>\r\n";

struct Outcome
{
    QString errorBox;
    QString textKept;
    QString earlierFile;
    QString strayFiles;
    QString tree; // "same": nothing but the page changed in the folder
    QString check; // "passed" where the row's check held
    QString problem; // set when the helper did not run to its report
};

// clang-format off
// In the page's folder, after a mount namespace's set-up: the row's set-up, the save ("$@",
// as the row's user) and the row's check, which may ask whether a FILE is saved (holds the new
// page) or earlier (the earlier one), and whether the page is the same_page (the same file,
// with its owner, group, mode, number of names and access list) or has the same_identity.
QString saveScript(const SaveCase &row)
{
    return QStringLiteral(R"sh(cd "$FOLDER" || exit 90
EARLIER=$AUX/earlier SAVED=$AUX/saved
earlier_page() { cp "$EARLIER" "${1:-page.html}"; }
second_name() { ln page.html other-name.html; }
group_page() { earlier_page && chown 0:100 page.html . && chmod 775 . && chmod "$1" page.html; }
own_disk() { mount "$@" "$PWD" && cd "$PWD"; }
identity() { stat -L -c '%u:%g %a %h' "$1" && getfacl -cp "$1" 2>/dev/null; }
saved() { cmp -s "$1" "$SAVED"; }
earlier() { cmp -s "$1" "$EARLIER"; }
same_identity() { [ "$(identity "$PAGE")" = "$identity" ]; }
same_page() { [ "$(stat -L -c %i "$PAGE")" = "$inode" ] && same_identity; }
in_place() { saved page.html && same_page; }
tree() { find . ! -path "./$PAGE" | sort; }
)sh") + (row.setUp.isEmpty() ? QStringLiteral("true") : row.setUp) + QStringLiteral(R"sh( || exit 91
inode=$(stat -L -c %i "$PAGE" 2>/dev/null); identity=$(identity "$PAGE" 2>/dev/null); tree=$(tree)
"$@" || exit
[ "$(tree)" = "$tree" ] && echo "tree: same" || echo "tree: $(tree | tr '\n' ' ')"
{ )sh") + (row.check.isEmpty() ? QStringLiteral("true") : row.check) + QStringLiteral(R"sh(
} && echo "check: passed" || echo "check: failed, page now $(identity "$PAGE" | tr '\n' ' ')"
)sh");
}
// clang-format on

constexpr gid_t sharedGroup = 100; // a shared folder's group, as Debian's "users"

// The bytes of the page save_in_window pastes and saves.
QByteArray savedPage(int kibibytes)
{
    const QString line
            = QString::fromUtf8("<P>Gr\u00FC\u00DFe \u2013 \u65E5\u672C & \U0001F600</P>\r\n");
    return savedBytes(line.repeated((kibibytes * 1024 + line.size() - 1) / line.size()));
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

// Runs the helper, save_in_window PATH KIBIBYTES, through the row's script, in the row's mount
// namespace and as the row's user.
Outcome saveInWindow(const SaveCase &row, const QString &program, const QString &path,
                     const QProcessEnvironment &environment)
{
    QStringList command;
    if (!row.mounts.isEmpty())
        command << QStringLiteral("unshare") << row.mounts;
    command << QStringLiteral("sh") << QStringLiteral("-c") << saveScript(row)
            << QStringLiteral("sh");
    if (row.saver != Saver::TestUser)
        command << asUnprivilegedUser(row.saver == Saver::GroupMember ? sharedGroup : 0);
    if (!row.wrapper.isEmpty())
        command << row.wrapper.split(u' ');
    command << program << path << QString::number(row.kibibytes);
    QProcess helper;
    helper.setProcessEnvironment(environment);
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
        else if (line.startsWith(u"tree: "))
            outcome.tree = value;
        else if (line.startsWith(u"check: "))
            outcome.check = value;
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

// Whether a shell command succeeds, run in a folder of its own.
bool succeeds(const QString &command)
{
    QTemporaryDir scratch;
    QProcess probe;
    probe.setWorkingDirectory(scratch.path());
    probe.start(QStringLiteral("sh"), {QStringLiteral("-c"), command});
    return probe.waitForFinished(30'000) && probe.exitStatus() == QProcess::NormalExit
           && probe.exitCode() == 0;
}

} // namespace

void TestSaveFailures::initTestCase()
{
    // A copy in a folder of the test's own, so that it runs wherever the build is (below a
    // home folder of mode 0700, say), with its fonts set-up.
    QVERIFY(m_tools.isValid());
    QVERIFY(QFile::setPermissions(m_tools.path(), QFile::ReadOwner | QFile::WriteOwner
                                                          | QFile::ExeOwner | QFile::ReadOther
                                                          | QFile::ExeOther));
    QVERIFY(QFile::copy(QStringLiteral(SAVE_IN_WINDOW_HELPER), m_tools.filePath("helper")));
    const QString fonts = qEnvironmentVariable("FONTCONFIG_FILE");
    QVERIFY(fonts.isEmpty() || QFile::copy(fonts, m_tools.filePath("fonts.conf")));
}

void TestSaveFailures::failedSaveChangesNothing_data()
{
    QTest::addColumn<SaveCase>("row");
    QTest::addColumn<QString>("reason"); // what the error box must say about the cause
    const auto row = [](const char *name, const SaveCase &row, const char *reason = "") {
        QTest::newRow(name) << row << QString::fromUtf8(reason);
    };
    using enum Saver;
    const QString smallDisk = "own_disk -t tmpfs -o size=64k tmpfs && ";
    const QString ext3Disk = "truncate -s 32M \"$AUX/disk\" && mkfs.ext3 -q -F \"$AUX/disk\" "
                             "&& own_disk -o loop \"$AUX/disk\" && ";
    // LeakSanitizer cannot work under ptrace, so a sanitizer build's leak check is off.
    const QString noLeakCheck = "export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0";
    // strace fails the second write, and with "2+" every write after it, the putting back too.
    const QString failWrites = "strace -qq -o /dev/null -e inject=pwrite64:error=EIO:when=2";
    const QString longName = QString(250, u'n') + ".html"; // 255 bytes, the longest there is
    // What rows need of the machine.
    const QString root = "[ \"$(id -u)\" = 0 ]", strace = "strace -qq -o /dev/null true";
    const QString userMounts = "unshare -rm mount -t tmpfs -o size=64k tmpfs /mnt";
    const QString accessLists = "touch f && setfacl -m g:33:r f";
    const QString ext3
            = "truncate -s 32M d && mkfs.ext3 -q -F d && unshare -m mount -o loop d /mnt";

    // clang-format off
    row("missing folder", {.page = "missing/page.html"}, "No such file or directory");
    row("folder as path", {.page = "folder", .setUp = "mkdir folder && earlier_page folder/a.html",
                           .check = "earlier folder/a.html"}, "directory");
    row("file as parent", {.page = "notes.txt/page.html", .setUp = "earlier_page notes.txt",
                           .check = "earlier notes.txt"}, "Not a directory");
    row("name too long", {.page = QString(300, u'n') + ".html"}, "File name too long");
    row("path too long", {.page = QString("deeper/").repeated(600) + "page.html"},
        "File name too long");
    row("folder not writable", {.saver = Nobody, .need = root}, "Permission denied");
    row("file not writable", {.setUp = "earlier_page && chmod 444 page.html && chmod 1777 .",
                              .saver = Nobody, .earlier = "intact"}, "not writable");
    row("disk full", {.setUp = smallDisk + "earlier_page", .mounts = "-rm", .kibibytes = 256,
                      .earlier = "intact", .need = userMounts}, "No space left on device");
    // Small enough to wait in the write buffer, so only flushing it can meet the full disk; a
    // filler takes every block left, so not even a one-KiB page fits.
    row("small page, disk already full",
        {.setUp = smallDisk + "earlier_page "
                              "&& { head -c 1M /dev/zero > filler 2>/dev/null; test -s filler; }",
         .mounts = "-rm", .kibibytes = 1, .earlier = "intact", .need = userMounts},
        "No space left on device");
    row("FIFO without a reader", {.setUp = "mkfifo page.html", .kibibytes = 1024,
                                  .check = "test -p page.html"}, "No program is reading from it");
    // The reader reads a little of the page and goes away.
    row("FIFO whose reader leaves",
        {.setUp = "mkfifo page.html && { head -c 100 page.html >/dev/null & }", .kibibytes = 1024,
         .check = "test -p page.html"}, "Broken pipe");
    row("killed mid-write", {.killMidWrite = true});
    row("page of a group the user is in",
        {.setUp = "group_page 664", .saver = GroupMember, .earlier = "new page",
         .check = "in_place", .need = root});
    row("access list entry, group's page",
        {.setUp = "group_page 664 && setfacl -m g:33:r page.html", .saver = GroupMember,
         .earlier = "new page", .check = "in_place", .need = root + " && " + accessLists});
    // Only the user's own page is replaced: a new file (inode) took its access list.
    row("access list entry, own page",
        {.setUp = "earlier_page && setfacl -m g:33:r page.html", .earlier = "new page",
         .check = "saved page.html && same_identity && ! same_page", .need = accessLists});
    // The hard-linked page is longer than the new one: writing in place must cut it.
    row("second name (hard link)",
        {.setUp = "group_page 664 && for n in $(seq 999); do cat \"$EARLIER\"; done > page.html "
                  "&& second_name",
         .saver = GroupMember, .earlier = "new page",
         .check = "in_place && cmp page.html other-name.html", .need = root});
    // The user's own page in root's folder (mode 755), where nothing new can be made.
    row("own page, folder closed to new files",
        {.setUp = "earlier_page && chown 65534:65534 page.html", .saver = Nobody,
         .earlier = "new page", .check = "in_place", .need = root});
    // The reservation fails, before a byte of the page changed.
    row("disk full, written in place",
        {.setUp = smallDisk + "earlier_page && second_name", .mounts = "-rm", .kibibytes = 256,
         .earlier = "intact", .need = userMounts}, "No space left on device");
    row("write fails in place, page put back",
        {.setUp = "earlier_page && second_name && " + noLeakCheck, .wrapper = failWrites,
         .kibibytes = 256, .earlier = "intact", .need = strace},
        "The earlier page was put back unchanged");
    row("write fails in place, not put back",
        {.setUp = "earlier_page && second_name && " + noLeakCheck, .wrapper = failWrites + "+",
         .kibibytes = 256, .earlier = "changed", .need = strace},
        "The earlier page could not be put back");
    // Read by the check, as root: the user cannot read a write-only page.
    row("write-only group page, second name",
        {.setUp = "group_page 620 && second_name", .saver = GroupMember,
         .check = "in_place && cmp page.html other-name.html", .need = root});
    // The own page is replaced; its sync to disk fails.
    row("sync to disk fails, replacing",
        {.setUp = "earlier_page && " + noLeakCheck,
         .wrapper = "strace -qq -o /dev/null -e inject=fsync:error=EIO", .kibibytes = 256,
         .earlier = "intact", .need = strace}, "Input/output error");
    // A 160 MiB btrfs holding a 4 MiB page with a second name, filled up but for 512 KiB,
    // less than the new page of over a MiB needs.
    row("full btrfs, written in place",
        {.setUp = "truncate -s 160M \"$AUX/disk\" && mkfs.btrfs -q \"$AUX/disk\" >/dev/null "
                  "&& own_disk -o loop \"$AUX/disk\" "
                  "&& yes 'the earlier page' | head -c 4M > page.html "
                  "&& second_name && head -c 512K /dev/zero > room && sync -f . "
                  "&& { head -c 1G /dev/zero > filler 2>/dev/null; test -s filler; } "
                  "&& rm room && sync -f .",
         .mounts = "-m", .kibibytes = 1024, .earlier = "intact",
         .need = "truncate -s 160M d && mkfs.btrfs -q d >/dev/null "
                 "&& unshare -m mount -o loop d /mnt"},
        "No space left on device");
    // The link's text climbs out of a folder that was itself reached through a link: the
    // kernel follows the real folder, to the chosen page, not the link's name for it.
    row("link climbing out of a linked folder",
        {.page = "top/site/index.html",
         .setUp = "mkdir -p real/site real/shared top/shared && earlier_page real/shared/page.html "
                  "&& ln -s ../shared/page.html real/site/index.html "
                  "&& ln -s \"$PWD/real/site\" top/site "
                  "&& echo unrelated > top/shared/page.html",
         .earlier = "new page",
         .check = "saved real/shared/page.html && [ $(cat top/shared/page.html) = unrelated ]"});
    // Another program puts its file in the page's place while the save is held at the rename:
    // that file keeps the name.
    row("file put in the page's place at the rename",
        {.setUp = "earlier_page && echo another > \"$AUX/other\" && { { for n in $(seq 3000); do "
                  "ls page.html.?????? >/dev/null 2>&1 && break; sleep 0.01; done; "
                  "mv \"$AUX/other\" page.html; } & } "
                  "&& " + noLeakCheck,
         .wrapper = "strace -qq -o /dev/null -e inject=renameat,renameat2:delay_enter=2000000:when=1",
         .earlier = "changed", .check = "[ \"$(cat page.html)\" = another ]", .need = strace},
        "swapped");
    // Such a folder keeps every name it has, so nothing can be renamed over the page.
    row("own page, append-only folder",
        {.setUp = "earlier_page && chattr +a . && trap 'chattr -a .' EXIT", .earlier = "new page",
         .check = "in_place", .need = root + " && chattr +a . && chattr -a ."});
    row("255-byte name", {.page = longName, .setUp = "earlier_page \"$PAGE\"",
                          .earlier = "new page", .check = "saved \"$PAGE\""});
    row("255-byte name, new page", {.page = longName, .check = "saved \"$PAGE\""});
    // A loop device on a file of the test's own, named in the test's folder.
    row("block device",
        {.setUp = "yes disk | head -c 1M > \"$AUX/disk\" && cp \"$AUX/disk\" \"$AUX/before\" "
                  "&& disk=$(losetup -f --show \"$AUX/disk\") && trap 'losetup -d \"$disk\"' EXIT "
                  "&& mknod page.html b $(stat -c '0x%t 0x%T' \"$disk\")",
         .check = "test -b page.html && cmp \"$disk\" \"$AUX/before\"",
         .need = root + " && losetup -f"},
        "It is a disk");
    row("listening Unix socket",
        {.setUp = "python3 -c 'import socket, time; s = socket.socket(socket.AF_UNIX); "
                  "s.bind(\"page.html\"); s.listen(); time.sleep(300)' & trap \"kill $!\" EXIT; "
                  "for n in $(seq 100); do [ -S page.html ] && break; sleep 0.1; done",
         .check = "test -S page.html"}, "It is a socket");
    // ext3's files have no extents, for which ext4's driver cannot reserve room.
    row("no fallocate, readable page, second name",
        {.setUp = ext3Disk + "earlier_page && second_name", .mounts = "-m", .earlier = "new page",
         .check = "in_place && cmp page.html other-name.html", .need = ext3});
    row("no fallocate, write-only group page, second name",
        {.setUp = ext3Disk + "group_page 620 && second_name", .saver = GroupMember, .mounts = "-m",
         .check = "in_place && cmp page.html other-name.html", .need = ext3});
    // clang-format on
}

void TestSaveFailures::failedSaveChangesNothing()
{
    QFETCH(SaveCase, row);
    QFETCH(QString, reason);
    if (!row.need.isEmpty() && !succeeds(row.need))
        QSKIP(qPrintable(QStringLiteral("the machine lacks what this needs: %1").arg(row.need)));

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(QFile::setPermissions(
            folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                   | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));
    const QDir dir(folder.path());
    const QString path = dir.filePath(row.page);

    if (row.killMidWrite) {
        QVERIFY(writeFile(path, earlierPage));
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

    QTemporaryDir aux; // the earlier page, the new one and disk images
    QVERIFY(writeFile(aux.filePath("earlier"), earlierPage)
            && writeFile(aux.filePath("saved"), savedPage(row.kibibytes)));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("FOLDER", folder.path());
    environment.insert("PAGE", row.page);
    environment.insert("AUX", aux.path());
    if (environment.contains("FONTCONFIG_FILE"))
        environment.insert("FONTCONFIG_FILE", m_tools.filePath("fonts.conf"));
    const Outcome outcome = saveInWindow(row, m_tools.filePath("helper"), path, environment);
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
    // Only a write that changed the page says whether the earlier one was put back.
    QVERIFY2(reason.contains(u"put back") || !outcome.errorBox.contains(u"put back"),
             qPrintable(outcome.errorBox));
    QCOMPARE(outcome.earlierFile, row.earlier);
    QCOMPARE(outcome.tree, QStringLiteral("same")); // nothing else in the folder changed
    QCOMPARE(outcome.check, QStringLiteral("passed"));
}

void TestSaveFailures::cleanupTestCase()
{
    qInfo("The save-failure table:\n%s", qPrintable(m_table.join(u'\n')));
}

QTEST_MAIN(TestSaveFailures)
#include "tst_save_failures.moc"
