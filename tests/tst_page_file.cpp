#include "save/page_file.h"

#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace Qt::StringLiterals;

// Writing the page file: exact bytes, and every failure leaving what was there before.
class tst_PageFile : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void writesThroughASymbolicLink();
    void keepsTheFilesPermissions();
    void writesIntoAFifoInPlace();

    void permissionDenied();
    void diskFull();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    void runInChild(const QString &program, const QStringList &arguments,
                    const QProcessEnvironment &environment
                    = QProcessEnvironment::systemEnvironment());

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

// Runs this test function again in a child process and takes over its result.
void tst_PageFile::runInChild(const QString &program, const QStringList &arguments,
                              const QProcessEnvironment &environment)
{
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(program, arguments);
    if (!child.waitForStarted())
        QSKIP(qPrintable(u"cannot start %1: %2"_s.arg(program, child.errorString())));
    QVERIFY(child.waitForFinished(60000));
    const QString output = QString::fromLocal8Bit(child.readAll());
    const QString function = QString::fromLatin1(QTest::currentTestFunction());
    if (!output.contains(u"Start testing of tst_PageFile"_s))
        QSKIP(qPrintable(u"the child could not run the test: "_s + output.trimmed()));
    if (output.contains(u"SKIP   : tst_PageFile::"_s + function))
        QSKIP(qPrintable(u"skipped in the child: "_s + output.trimmed()));
    QVERIFY2(child.exitCode() == 0 && output.contains(u"PASS   : tst_PageFile::"_s + function),
             qPrintable(output));
}

void tst_PageFile::permissionDenied()
{
    if (::geteuid() == 0) {
        // Root may write anywhere; the same test runs again as the unprivileged user nobody.
        runInChild(u"setpriv"_s, {u"--reuid=65534"_s, u"--regid=65534"_s, u"--clear-groups"_s,
                                  QCoreApplication::applicationFilePath(), u"permissionDenied"_s});
        return;
    }
    put(path(u"page.html"_s), "earlier page"_ba);
    QVERIFY(QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::ExeOwner));
    QString reason;
    const bool written = writePageFile(path(u"page.html"_s), "new page"_ba, &reason);
    const bool other = writePageFile(path(u"other.html"_s), "new page"_ba, &reason);
    QVERIFY(QFile::setPermissions(m_dir->path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QVERIFY(!written);
    QVERIFY(!other);
    QVERIFY2(reason.contains(u"Permission denied"_s), qPrintable(reason));
    QCOMPARE(contents(path(u"page.html"_s)), "earlier page"_ba);
    QCOMPARE(entries(m_dir->path()), QStringList{u"page.html"_s});
}

void tst_PageFile::diskFull()
{
    const QString smallDisk = qEnvironmentVariable("TAGWRIGHT_SMALL_DISK");
    if (smallDisk.isEmpty()) {
        // A 64 KiB tmpfs, mounted in a private mount namespace that ends with the child.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"TAGWRIGHT_SMALL_DISK"_s, m_dir->path());
        runInChild(u"unshare"_s,
                   {u"-rm"_s, u"sh"_s, u"-c"_s,
                    u"mount -t tmpfs -o size=64k tmpfs \"$0\" && exec \"$1\" diskFull"_s,
                    m_dir->path(), QCoreApplication::applicationFilePath()},
                   environment);
        return;
    }
    const QString page = QDir(smallDisk).filePath(u"page.html"_s);
    QString reason;
    QVERIFY(writePageFile(page, "earlier page"_ba, &reason));
    QVERIFY(!writePageFile(page, QByteArray(1 << 20, 'x'), &reason));
    QVERIFY2(reason.contains(u"No space left on device"_s), qPrintable(reason));
    QCOMPARE(contents(page), "earlier page"_ba);
    QCOMPARE(entries(smallDisk), QStringList{u"page.html"_s});
}

QTEST_GUILESS_MAIN(tst_PageFile)
#include "tst_page_file.moc"
