// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/encoding/page_encoding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <unistd.h>

using namespace Qt::StringLiterals;

// The save-failure table: every way a save can fail that these tests can bring about,
// each run in a child process (save_in_window) that saves from the real window. Each
// failure must show the error box, keep the main box's text and leave what was at the
// path (an earlier page, a folder, a FIFO) as it was, with nothing new beside it. The rows
// with no reason are pages a new file could not stand in for, or paths that need care to
// reach: their save must succeed, and the page keep its owner, group, mode, access list and
// other names. Each row carries its set-up and its check as shell commands, run as root (or
// the test's user) in the page's folder, in the helper's own mount namespace where it has one.

// Who saves: the test's user, or, when the tests run as root as CI does, the unprivileged
// user nobody, alone or in the group of a shared folder (100, Debian's "users").
enum class Saver { TestUser, Nobody, GroupMember };
// Where the set-up, the save and the check run: among the test's mounts, or in a private
// mount namespace (as the test's user mapped to root, or as root) whose mounts go with it.
enum class Mounts { Shared, OwnAsUser, Own };
// What a row needs of the machine; a row is skipped, saying why, where the machine lacks it.
enum class Need {
    Nothing,
    Root,
    UserMounts,
    Strace,
    AccessLists,
    AppendOnly,
    LoopDevice,
    Btrfs,
    Ext3
};

struct SaveCase
{
    QString page = u"page.html"_s; // the path saved to, in the test's folder: $PAGE
    QString setUp = {}; // shell; $EARLIER holds the earlier page, $AUX is a folder for disk images
    Saver saver = Saver::TestUser;
    Mounts mounts = Mounts::Shared;
    QString wrapper = {}; // what the helper runs under (strace), word by word
    int kibibytes = 16;
    QString reason = {}; // what the error box must say about the cause; empty: the save succeeds
    QString earlierFile = u"none"_s; // what the helper saw become of what the path held
    QString check = {}; // shell, after the save, that must succeed (see saveScript)
    Need need = Need::Nothing;
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
    // The helper and its fonts set-up, copied where the unprivileged user can reach them
    // wherever the build is (a home folder of mode 0700, say).
    QTemporaryDir m_tools;
};

namespace {

const QByteArray earlierPage = "<html><Body>the earlier page</Body></html>\r\n";

struct Outcome
{
    QString errorBox;
    QString textKept;
    QString earlierFile;
    QString strayFiles;
    QString tree; // "same": nothing in the folder but the page changed
    QString check = {}; // "passed" where the row's check held
    QString problem; // set when the helper did not run to its report
};

// The row's set-up, the save ("$@": the helper, as the row's user) and the row's check, in
// the page's folder. The check may use: saved FILE, earlier FILE (FILE holds the new page,
// the earlier one), same_identity (the page keeps its owner, group, mode, number of names
// and access list) and same_page (and is the same file, its inode).
// clang-format off
QString saveScript(const SaveCase &row)
{
    return uR"sh(cd "$FOLDER" || exit 90
identity() { stat -L -c '%u:%g %a %h' "$1" && getfacl -cp "$1" 2>/dev/null; }
saved() { cmp -s "$1" "$SAVED"; }
earlier() { cmp -s "$1" "$EARLIER"; }
same_identity() { [ "$(identity "$PAGE")" = "$identity" ]; }
same_page() { [ "$(stat -L -c %i "$PAGE")" = "$inode" ] && same_identity; }
tree() { find . ! -path "./$PAGE" | sort; }
{ )sh"_s + (row.setUp.isEmpty() ? u"true"_s : row.setUp)
           + uR"sh(
} || exit 91
inode=$(stat -L -c %i "$PAGE" 2>/dev/null); identity=$(identity "$PAGE" 2>/dev/null); tree=$(tree)
"$@" || exit
[ "$(tree)" = "$tree" ] && echo "tree: same" || echo "tree: $(tree | tr '\n' ' ')"
{ )sh"_s + (row.check.isEmpty() ? u"true"_s : row.check)
           + uR"sh(
} && echo "check: passed" || echo "check: failed, page now $(identity "$PAGE" | tr '\n' ' ')"
)sh"_s;
}
// clang-format on

// Runs the row's save_in_window PATH KIBIBYTES through saveScript, behind its namespace.
Outcome saveInWindow(const SaveCase &row, const QString &helper, const QString &path,
                     const QProcessEnvironment &environment)
{
    QStringList command;
    if (row.mounts != Mounts::Shared)
        command << u"unshare"_s << (row.mounts == Mounts::Own ? u"-m"_s : u"-rm"_s);
    command << u"sh"_s << u"-c"_s << saveScript(row) << u"sh"_s;
    if (geteuid() == 0 && row.saver != Saver::TestUser) {
        command << u"setpriv"_s << u"--reuid=65534"_s << u"--regid=65534"_s
                << (row.saver == Saver::GroupMember ? u"--groups=100"_s : u"--clear-groups"_s);
    }
    if (!row.wrapper.isEmpty())
        command << row.wrapper.split(u' ');
    command << helper << path << QString::number(row.kibibytes);
    QProcess helperRun;
    helperRun.setProcessEnvironment(environment);
    helperRun.start(command.takeFirst(), command);
    Outcome outcome;
    if (!helperRun.waitForFinished(120'000)) {
        helperRun.kill();
        helperRun.waitForFinished();
        outcome.problem = QStringLiteral("the save did not finish within two minutes");
        return outcome;
    }
    const QString output = QString::fromLocal8Bit(helperRun.readAllStandardOutput());
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
    if (helperRun.exitStatus() != QProcess::NormalExit || helperRun.exitCode() != 0
        || outcome.strayFiles.isEmpty()) {
        outcome.problem
                = QStringLiteral("the helper ended with status %1 (%2): %3 %4")
                          .arg(helperRun.exitCode())
                          .arg(helperRun.exitStatus() == QProcess::NormalExit
                                       ? QStringLiteral("exited")
                                       : QStringLiteral("killed by a signal"))
                          .arg(output, QString::fromLocal8Bit(helperRun.readAllStandardError()));
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

// The bytes of the page save_in_window pastes and saves.
QByteArray savedPage(int kibibytes)
{
    const QString line
            = QString::fromUtf8("<P>Gr\u00FC\u00DFe \u2013 \u65E5\u672C & \U0001F600</P>\r\n");
    return encodePage(line.repeated((kibibytes * 1024 + line.size() - 1) / line.size()),
                      pageCodeset());
}

// Why the machine cannot run a row that needs this, or nothing where it can.
QString lacking(Need need)
{
    const auto probe = [](const QString &shell, const char *why) {
        QTemporaryDir scratch;
        QProcess run;
        run.setWorkingDirectory(scratch.path());
        run.start(u"sh"_s, {u"-c"_s, shell});
        const bool works = run.waitForFinished(60'000) && run.exitStatus() == QProcess::NormalExit
                           && run.exitCode() == 0;
        return works ? QString() : QString::fromLatin1(why);
    };
    const QString root = u"[ \"$(id -u)\" = 0 ] && "_s;
    switch (need) {
    case Need::Nothing:
        return {};
    case Need::Root:
        return probe(root + u"true"_s, "it takes root, who can give files to other users");
    case Need::UserMounts:
        return probe(u"unshare -rm mount -t tmpfs -o size=64k tmpfs /mnt"_s,
                     "unshare -rm cannot give this test a private mount namespace");
    case Need::Strace:
        return probe(u"strace -qq -o /dev/null true"_s, "strace is not installed or cannot trace");
    case Need::AccessLists:
        return probe(u"touch f && setfacl -m g:33:r f"_s,
                     "setfacl cannot add an access list entry here (is acl installed?)");
    case Need::AppendOnly:
        return probe(root + u"chattr +a . && chattr -a ."_s,
                     "it takes root and a file system with the append-only attribute");
    case Need::LoopDevice:
        return probe(root + u"losetup -f"_s, "it takes root and a free loop device");
    case Need::Btrfs:
        return probe(u"truncate -s 160M d && mkfs.btrfs -q d >/dev/null "
                     "&& unshare -m mount -o loop d /mnt"_s,
                     "no btrfs image here: it takes root, mkfs.btrfs (btrfs-progs), loop devices "
                     "and btrfs in the kernel");
    case Need::Ext3:
        return probe(u"truncate -s 32M d && mkfs.ext3 -q -F d && unshare -m mount -o loop d /mnt"_s,
                     "no ext3 image here: it takes root, mkfs.ext3 (e2fsprogs), loop devices "
                     "and ext3 in the kernel");
    }
    return {};
}

} // namespace

void TestSaveFailures::initTestCase()
{
    QVERIFY(m_tools.isValid());
    QVERIFY(QFile::setPermissions(m_tools.path(), QFile::ReadOwner | QFile::WriteOwner
                                                          | QFile::ExeOwner | QFile::ReadOther
                                                          | QFile::ExeOther));
    const QString helper = QDir(m_tools.path()).filePath(u"save_in_window"_s);
    QVERIFY(QFile::copy(QStringLiteral(SAVE_IN_WINDOW_HELPER), helper));
    const QString fonts = qEnvironmentVariable("FONTCONFIG_FILE");
    QVERIFY(fonts.isEmpty() || QFile::copy(fonts, QDir(m_tools.path()).filePath(u"fonts.conf"_s)));
}

void TestSaveFailures::failedSaveChangesNothing_data()
{
    QTest::addColumn<SaveCase>("row");
    const auto row = [](const char *name, const SaveCase &row) { QTest::newRow(name) << row; };
    const QString earlier = u"cp \"$EARLIER\" page.html"_s;
    const QString secondName = u" && ln page.html other-name.html"_s;
    // root's page in root's folder, both open to the group 100, which the saver is in.
    const auto groupPage = [](const char *mode) {
        return u"cp \"$EARLIER\" page.html && chown 0:100 page.html . && chmod 775 . "
               "&& chmod %1 page.html"_s.arg(QLatin1String(mode));
    };
    const QString smallDisk = u"mount -t tmpfs -o size=64k tmpfs \"$PWD\" && cd \"$PWD\" && "_s;
    const QString ext3 = u"truncate -s 32M \"$AUX/disk\" && mkfs.ext3 -q -F \"$AUX/disk\" "
                         "&& mount -o loop \"$AUX/disk\" \"$PWD\" && cd \"$PWD\" && "_s;
    // LeakSanitizer cannot work under ptrace, so a sanitizer build's leak check is off.
    const QString noLeakCheck
            = u" && export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"_s;
    // strace fails the second write, and with "2+" every write after it, the putting back too.
    const QString failWrites = u"strace -qq -o /dev/null -e inject=pwrite64:error=EIO:when=2"_s;
    const QString inPlace = u"saved page.html && same_page"_s;
    const QString longName = QString(250, u'n') + u".html"_s; // 255 bytes, the longest there is
    using enum Saver;
    using enum Mounts;
    using enum Need;

    row("missing folder",
        {.page = u"missing/page.html"_s, .reason = u"No such file or directory"_s});
    row("folder as path", {.page = u"folder"_s,
                           .setUp = u"mkdir folder && cp \"$EARLIER\" folder/inside.html"_s,
                           .reason = u"directory"_s,
                           .check = u"earlier folder/inside.html"_s});
    row("file as parent", {.page = u"notes.txt/page.html"_s,
                           .setUp = u"cp \"$EARLIER\" notes.txt"_s,
                           .reason = u"Not a directory"_s,
                           .check = u"earlier notes.txt"_s});
    row("name too long",
        {.page = QString(300, u'n') + u".html"_s, .reason = u"File name too long"_s});
    row("path too long",
        {.page = u"deeper/"_s.repeated(600) + u"page.html"_s, .reason = u"File name too long"_s});
    row("folder not writable", {.saver = Nobody, .reason = u"Permission denied"_s, .need = Root});
    row("file not writable", {.setUp = earlier + u" && chmod 444 page.html && chmod 1777 ."_s,
                              .saver = Nobody,
                              .reason = u"not writable"_s,
                              .earlierFile = u"intact"_s});
    row("disk full", {.setUp = smallDisk + earlier,
                      .mounts = OwnAsUser,
                      .kibibytes = 256,
                      .reason = u"No space left on device"_s,
                      .earlierFile = u"intact"_s,
                      .need = UserMounts});
    // Small enough to wait in the write buffer, so only flushing it can meet the full disk; a
    // filler takes every block left, so not even a one-KiB page fits.
    row("small page, disk already full",
        {.setUp = smallDisk + earlier
                  + u" && { head -c 1M /dev/zero > filler 2>/dev/null; test -s filler; }"_s,
         .mounts = OwnAsUser,
         .kibibytes = 1,
         .reason = u"No space left on device"_s,
         .earlierFile = u"intact"_s,
         .need = UserMounts});
    row("FIFO without a reader", {.setUp = u"mkfifo page.html"_s,
                                  .kibibytes = 1024,
                                  .reason = u"No program is reading from it"_s,
                                  .check = u"test -p page.html"_s});
    // The reader reads a little of the page and goes away.
    row("FIFO whose reader leaves",
        {.setUp = u"mkfifo page.html && { head -c 100 page.html >/dev/null & }"_s,
         .kibibytes = 1024,
         .reason = u"Broken pipe"_s,
         .check = u"test -p page.html"_s});
    row("killed mid-write", {.killMidWrite = true});
    row("page of a group the user is in", {.setUp = groupPage("664"),
                                           .saver = GroupMember,
                                           .earlierFile = u"new page"_s,
                                           .check = inPlace,
                                           .need = Root});
    row("access list entry, group's page",
        {.setUp = groupPage("664") + u" && setfacl -m g:33:r page.html"_s,
         .saver = GroupMember,
         .earlierFile = u"new page"_s,
         .check = inPlace,
         .need = AccessLists});
    // Only the user's own page is replaced: a new file (inode) took its access list.
    row("access list entry, own page",
        {.setUp = earlier + u" && setfacl -m g:33:r page.html"_s,
         .earlierFile = u"new page"_s,
         .check = u"saved page.html && same_identity && ! same_page"_s,
         .need = AccessLists});
    // The hard-linked page is longer than the new one: writing in place must cut it.
    row("second name (hard link)",
        {.setUp = groupPage("664")
                  + u" && for n in $(seq 999); do cat \"$EARLIER\"; done > page.html"_s
                  + secondName,
         .saver = GroupMember,
         .earlierFile = u"new page"_s,
         .check = inPlace + u" && cmp page.html other-name.html"_s,
         .need = Root});
    // The user's own page in root's folder (mode 755), where nothing new can be made.
    row("own page, folder closed to new files",
        {.setUp = earlier + u" && chown 65534:65534 page.html"_s,
         .saver = Nobody,
         .earlierFile = u"new page"_s,
         .check = inPlace,
         .need = Root});
    // The reservation fails, before a byte of the page changed.
    row("disk full, written in place", {.setUp = smallDisk + earlier + secondName,
                                        .mounts = OwnAsUser,
                                        .kibibytes = 256,
                                        .reason = u"No space left on device"_s,
                                        .earlierFile = u"intact"_s,
                                        .need = UserMounts});
    row("write fails in place, page put back",
        {.setUp = earlier + secondName + noLeakCheck,
         .wrapper = failWrites,
         .kibibytes = 256,
         .reason = u"The earlier page was put back unchanged"_s,
         .earlierFile = u"intact"_s,
         .need = Strace});
    row("write fails in place, not put back",
        {.setUp = earlier + secondName + noLeakCheck,
         .wrapper = failWrites + u"+"_s,
         .kibibytes = 256,
         .reason = u"The earlier page could not be put back"_s,
         .earlierFile = u"changed"_s,
         .need = Strace});
    // Read by the check, as root: the user cannot read a write-only page.
    row("write-only group page, second name",
        {.setUp = groupPage("620") + secondName,
         .saver = GroupMember,
         .check = inPlace + u" && cmp page.html other-name.html"_s,
         .need = Root});
    // The own page is replaced; its sync to disk fails.
    row("sync to disk fails, replacing",
        {.setUp = earlier + noLeakCheck,
         .wrapper = u"strace -qq -o /dev/null -e inject=fsync:error=EIO"_s,
         .kibibytes = 256,
         .reason = u"Input/output error"_s,
         .earlierFile = u"intact"_s,
         .need = Strace});
    // A 160 MiB btrfs holding a 4 MiB page with a second name, filled up but for 512 KiB,
    // less than the new page of over a MiB needs.
    row("full btrfs, written in place",
        {.setUp
         = u"truncate -s 160M \"$AUX/disk\" && mkfs.btrfs -q \"$AUX/disk\" >/dev/null "
           "&& mount -o loop \"$AUX/disk\" \"$PWD\" && cd \"$PWD\" "
           "&& yes 'the earlier page' | head -c 4M > page.html && ln page.html other-name.html "
           "&& head -c 512K /dev/zero > room && sync -f . "
           "&& { head -c 1G /dev/zero > filler 2>/dev/null; test -s filler; } && rm room && sync -f ."_s,
         .mounts = Own,
         .kibibytes = 1024,
         .reason = u"No space left on device"_s,
         .earlierFile = u"intact"_s,
         .need = Btrfs});
    // The link's text climbs out of a folder that was itself reached through a link: the
    // kernel follows the real folder, where the chosen page is, not the link's name for it.
    row("link climbing out of a linked folder",
        {.page = u"top/site/index.html"_s,
         .setUp
         = u"mkdir -p real/site real/shared top/shared && cp \"$EARLIER\" real/shared/page.html "
           "&& ln -s ../shared/page.html real/site/index.html && ln -s \"$PWD/real/site\" top/site "
           "&& echo 'unrelated file' > top/shared/page.html"_s,
         .earlierFile = u"new page"_s,
         .check
         = u"saved real/shared/page.html && [ \"$(cat top/shared/page.html)\" = 'unrelated file' ]"_s});
    // Such a folder keeps every name it has, so nothing can be renamed over the page.
    row("own page, append-only folder",
        {.setUp = earlier + u" && chattr +a . && trap 'chattr -a .' EXIT"_s,
         .earlierFile = u"new page"_s,
         .check = inPlace,
         .need = AppendOnly});
    row("255-byte name", {.page = longName,
                          .setUp = u"cp \"$EARLIER\" \"$PAGE\""_s,
                          .earlierFile = u"new page"_s,
                          .check = u"saved \"$PAGE\""_s});
    row("255-byte name, new page", {.page = longName, .check = u"saved \"$PAGE\""_s});
    row("block device",
        {.setUp
         = u"yes 'disk bytes' | head -c 1M > \"$AUX/disk\" && cp \"$AUX/disk\" \"$AUX/before\" "
           "&& disk=$(losetup -f --show \"$AUX/disk\") && trap 'losetup -d \"$disk\"' EXIT "
           "&& mknod page.html b $(stat -c '0x%t 0x%T' \"$disk\")"_s,
         .reason = u"It is a disk"_s,
         .check = u"test -b page.html && cmp \"$disk\" \"$AUX/before\""_s,
         .need = LoopDevice});
    row("listening Unix socket",
        {.setUp = u"python3 -c 'import socket, time; s = socket.socket(socket.AF_UNIX); "
                  "s.bind(\"page.html\"); s.listen(); time.sleep(300)' & trap \"kill $!\" EXIT; "
                  "for n in $(seq 100); do [ -S page.html ] && break; sleep 0.1; done"_s,
         .reason = u"It is a socket"_s,
         .check = u"test -S page.html"_s});
    // ext3's files have no extents, and ext4's driver cannot reserve room for them.
    row("no fallocate, readable page, second name",
        {.setUp = ext3 + earlier + secondName,
         .mounts = Own,
         .earlierFile = u"new page"_s,
         .check = inPlace + u" && cmp page.html other-name.html"_s,
         .need = Ext3});
    row("no fallocate, write-only group page, second name",
        {.setUp = ext3 + groupPage("620") + secondName,
         .saver = GroupMember,
         .mounts = Own,
         .check = inPlace + u" && cmp page.html other-name.html"_s,
         .need = Ext3});
}

void TestSaveFailures::failedSaveChangesNothing()
{
    QFETCH(SaveCase, row);
    if (const QString why = lacking(row.need); !why.isEmpty())
        QSKIP(qPrintable(why));

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(QFile::setPermissions(
            folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                   | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));
    QTemporaryDir aux;
    const QDir dir(folder.path());
    const QString path = dir.filePath(row.page);

    if (row.killMidWrite) {
        // The killed-save test tries many moments; here one, in the middle of the write.
        QVERIFY(writeFile(path, earlierPage));
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

    const QDir tools(m_tools.path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"FOLDER"_s, folder.path());
    environment.insert(u"PAGE"_s, row.page);
    environment.insert(u"AUX"_s, aux.path());
    environment.insert(u"EARLIER"_s, aux.filePath(u"earlier"_s));
    environment.insert(u"SAVED"_s, aux.filePath(u"saved"_s));
    if (environment.contains(u"FONTCONFIG_FILE"_s))
        environment.insert(u"FONTCONFIG_FILE"_s, tools.filePath(u"fonts.conf"_s));
    QVERIFY(writeFile(aux.filePath(u"earlier"_s), earlierPage)
            && writeFile(aux.filePath(u"saved"_s), savedPage(row.kibibytes)));

    const Outcome outcome
            = saveInWindow(row, tools.filePath(u"save_in_window"_s), path, environment);
    m_table << QStringLiteral(
                       "%1: error box \"%2\"; text kept: %3; earlier file: %4; stray files: %5")
                       .arg(QLatin1String(QTest::currentDataTag()), outcome.errorBox.left(200),
                            outcome.textKept, outcome.earlierFile, outcome.strayFiles);

    QVERIFY2(outcome.problem.isEmpty(), qPrintable(outcome.problem));
    QVERIFY2((outcome.errorBox != u"none") != row.reason.isEmpty(), qPrintable(outcome.errorBox));
    QVERIFY2(row.reason.isEmpty() || outcome.errorBox.contains(QFileInfo(path).fileName()),
             qPrintable(outcome.errorBox));
    QVERIFY2(outcome.errorBox.contains(row.reason, Qt::CaseInsensitive),
             qPrintable(outcome.errorBox));
    // Only a write that changed the page tells whether it was put back.
    QVERIFY2(row.reason.contains(u"put back") || !outcome.errorBox.contains(u"put back"),
             qPrintable(outcome.errorBox));
    QCOMPARE(outcome.textKept, QStringLiteral("yes"));
    QCOMPARE(outcome.earlierFile, row.earlierFile);
    QCOMPARE(outcome.strayFiles, QStringLiteral("none"));
    QCOMPARE(outcome.tree, u"same"_s);
    QCOMPARE(outcome.check, u"passed"_s);
}

void TestSaveFailures::cleanupTestCase()
{
    qInfo("The save-failure table:\n%s", qPrintable(m_table.join(u'\n')));
}

QTEST_MAIN(TestSaveFailures)
#include "tst_save_failures.moc"
