// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/translations.h"
#include "modal_catcher.h"
#include "text/text_box.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <clocale>

using namespace Qt::StringLiterals;

// The Save button: the dialog, the bytes of the file, and failures that lose nothing.
class tst_SaveCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void savesThroughTheFileDialog();
    void fileHoldsTheMainBoxExactly_data();
    void fileHoldsTheMainBoxExactly();
    void longerEarlierFileIsFullyReplaced();
    void savingTwiceGivesTheSameBytes();
    void cancelNeverWrites();
    void failedSaveReportsAndLosesNothing_data();
    void failedSaveReportsAndLosesNothing();
    void composedPageIsSavedByteForByte();
    void failedSaveSpeaksTheUsersLanguage_data();
    void failedSaveSpeaksTheUsersLanguage();

private:
    void click(const char *name, int index = -1) { m_window.click(name, index); }
    void saveTo(const QString &path);
    QPlainTextEdit *box(const char *name) const { return m_window.box(name); }
    QString path(const QString &name) const { return m_dir->filePath(name); }

    WindowFixture m_window;
    std::unique_ptr<QTemporaryDir> m_dir;
    QStringList m_offered; // what the dialog offered each time it opened
};

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "(unreadable)"_ba;
}

} // namespace

void tst_SaveCommand::initTestCase()
{
    // The page's code page follows the locale: pin one, whose 8-bit fallback is windows-1252.
    QVERIFY(std::setlocale(LC_ALL, "C.UTF-8"));
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

void tst_SaveCommand::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_offered.clear();
    QVERIFY(m_window.open());
}

void tst_SaveCommand::cleanup()
{
    m_window.close();
    // Deleting a translator uninstalls it: the next test reads English again.
    qDeleteAll(qApp->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly));
}

// Clicks Save with the dialog answering path; an empty path is a cancel.
void tst_SaveCommand::saveTo(const QString &answer)
{
    m_window.form()->CommonDialog1().setChooser(
            [this, answer](QWidget *, const QString &lastFileName) {
                m_offered << lastFileName;
                return answer;
            });
    click("cmdSave");
}

void tst_SaveCommand::savesThroughTheFileDialog()
{
    // Answers the real file dialog as a user would: a path in the name field, then a button.
    QString offeredName;
    QString offeredDirectory;
    const auto answerDialog
            = [&](const QString &fileName, QDialogButtonBox::StandardButton pressed) {
                  QTimer::singleShot(0, this, [&, fileName, pressed] {
                      QTRY_VERIFY(qobject_cast<QFileDialog *>(QApplication::activeModalWidget()));
                      auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
                      auto *nameField = dialog->findChild<QLineEdit *>(u"fileNameEdit"_s);
                      QTRY_VERIFY(nameField && nameField->isVisible());
                      offeredName = nameField->text();
                      offeredDirectory = dialog->directory().absolutePath();
                      if (!fileName.isEmpty())
                          nameField->setText(fileName);
                      auto *buttons = dialog->findChild<QDialogButtonBox *>(u"buttonBox"_s);
                      QTest::mouseClick(buttons->button(pressed), Qt::LeftButton);
                  });
              };

    TextBox::append(box("hmbox"), u"<html>\r\n</html>"_s);
    answerDialog(path(u"page.html"_s), QDialogButtonBox::Save);
    click("cmdSave");
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(contents(path(u"page.html"_s)), "<html>\r\n</html>"_ba);
    QCOMPARE(m_window.form()->CommonDialog1().fileName(), path(u"page.html"_s));

    // The dialog opens on the last name; cancelling it writes nothing and empties the name.
    TextBox::append(box("hmbox"), u"more"_s);
    answerDialog(QString(), QDialogButtonBox::Cancel);
    click("cmdSave");
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(offeredName, u"page.html"_s);
    QCOMPARE(offeredDirectory, QDir(m_dir->path()).absolutePath());
    QCOMPARE(contents(path(u"page.html"_s)), "<html>\r\n</html>"_ba);
    QCOMPARE(m_window.form()->CommonDialog1().fileName(), QString());
}

void tst_SaveCommand::fileHoldsTheMainBoxExactly_data()
{
    QTest::addColumn<QString>("main");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("abc, nothing before or after") << "abc"
                                                  << "abc"_ba;
    QTest::newRow("empty main box") << ""
                                    << ""_ba;
    QTest::newRow("CR LF between lines") << "one\r\ntwo\r\n\r\n"
                                         << "one\r\ntwo\r\n\r\n"_ba;
    QTest::newRow("lone LF read as a line break") << "a\nb"
                                                  << "a\r\nb"_ba;
    QTest::newRow("no-break space") << "a\u00a0b"
                                    << "a\xa0"
                                       "b"_ba;
    QTest::newRow("windows-1252") << "caf\u00e9 5\u20ac"
                                  << "caf\xe9 5\x80"_ba;
    QTest::newRow("beyond the code page") << "\u65e5\u672c \U0001F600"
                                          << "&#26085;&#26412; &#128512;"_ba;
    QTest::newRow("typed entity kept") << "&eacute;&amp;"
                                       << "&eacute;&amp;"_ba;
    QTest::newRow("declares UTF-8") << "<meta charset=\"utf-8\"><p>Gr\u00f6\u00dfe \u20ac</p>"
                                    << "<meta charset=\"utf-8\"><p>Gr\xc3\xb6\xc3\x9f"
                                       "e \xe2\x82\xac</p>"_ba;
    QTest::newRow("declares ISO-8859-2") << "<meta charset='iso-8859-2'>\u0141\u00f3d\u017a \u00a9"
                                         << "<meta charset='iso-8859-2'>\xa3\xf3"
                                            "d\xbc &#169;"_ba;
    // Other characters before a declaration that comes late, in a later piece of the box:
    // Blink and WebKit apply a late one only to what follows it, so all are references.
    const QString far = QString(70000, u'x');
    QTest::newRow("declared late")
            << u"\u00e9"_s + far + u"<meta charset=koi8-r>\u0416"_s
            << "&#233;"_ba + far.toLatin1() + "<meta charset=koi8-r>&#1046;"_ba;
}

void tst_SaveCommand::fileHoldsTheMainBoxExactly()
{
    QFETCH(QString, main);
    QFETCH(QByteArray, bytes);
    TextBox::append(box("hmbox"), main);
    TextBox::append(box("txtTest"), u"scratch only"_s);
    saveTo(path(u"page.html"_s));
    QCOMPARE(contents(path(u"page.html"_s)), bytes);
    QCOMPARE(TextBox::text(box("hmbox")),
             QString(main).replace(u"\r\n"_s, u"\n"_s).replace(u'\n', u"\r\n"_s));
}

void tst_SaveCommand::longerEarlierFileIsFullyReplaced()
{
    QFile earlier(path(u"page.html"_s));
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write(QByteArray(5000, 'x'));
    earlier.close();
    TextBox::append(box("hmbox"), u"short"_s);
    saveTo(path(u"page.html"_s));
    QCOMPARE(contents(path(u"page.html"_s)), "short"_ba);
}

void tst_SaveCommand::savingTwiceGivesTheSameBytes()
{
    TextBox::append(box("hmbox"), u"<P>twice\r\n\u00e9"_s);
    saveTo(path(u"page.html"_s));
    const QByteArray once = contents(path(u"page.html"_s));
    saveTo(path(u"page.html"_s));
    QCOMPARE(contents(path(u"page.html"_s)), once);
    QCOMPARE(m_offered, QStringList({QString(), path(u"page.html"_s)}));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{u"page.html"_s});
}

void tst_SaveCommand::cancelNeverWrites()
{
    TextBox::append(box("hmbox"), u"saved"_s);
    saveTo(path(u"page.html"_s));
    TextBox::append(box("hmbox"), u" and changed"_s);
    saveTo(QString());
    QCOMPARE(contents(path(u"page.html"_s)), "saved"_ba);
    QCOMPARE(m_window.form()->CommonDialog1().fileName(), QString());
    saveTo(QString()); // a second cancel is offered no name at all
    QCOMPARE(m_offered, QStringList({QString(), path(u"page.html"_s), QString()}));
}

void tst_SaveCommand::failedSaveReportsAndLosesNothing_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing directory") << "missing/page.html"
                                       << "No such file or directory";
    QTest::newRow("directory as the path") << ""
                                           << "directory";
    QTest::newRow("regular file as the parent") << "earlier.html/page.html"
                                                << "Not a directory";
    QTest::newRow("too long a name") << QString(300, u'n') << "File name too long";
    QTest::newRow("under /proc") << "/proc/tagwright-page.html"
                                 << "No such file or directory";
}

void tst_SaveCommand::failedSaveReportsAndLosesNothing()
{
    QFETCH(QString, target);
    QFETCH(QString, reason);
    const QString fullPath = target.startsWith(u'/') ? target : path(target);
    QFile earlier(path(u"earlier.html"_s));
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier page");
    earlier.close();
    const QString page = u"<html>\r\nunsaved \u00e9 work\r\n</html>"_s;
    TextBox::append(box("hmbox"), page);

    {
        ModalCatcher catcher;
        saveTo(fullPath);
        QCOMPARE(catcher.caught(), 1);
        QVERIFY2(catcher.lastText().contains(fullPath), qPrintable(catcher.lastText()));
        QVERIFY2(catcher.lastText().contains(reason), qPrintable(catcher.lastText()));
        QCOMPARE(catcher.lastIcon(), QMessageBox::Critical);
    }
    QVERIFY(m_window.form()->isVisible());
    QCOMPARE(TextBox::text(box("hmbox")), page);
    QCOMPARE(TextBox::text(box("txtTest")), u"Test\r\n"_s);
    QCOMPARE(contents(path(u"earlier.html"_s)), "earlier page"_ba);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{u"earlier.html"_s});

    // The program goes on, and the next save works.
    saveTo(path(u"page.html"_s));
    QCOMPARE(contents(path(u"page.html"_s)), "<html>\r\nunsaved \xe9 work\r\n</html>"_ba);
}

void tst_SaveCommand::composedPageIsSavedByteForByte()
{
    click("cmdhtm", 1);
    click("cmdBody", 0);
    QPlainTextEdit *hmbox = box("hmbox");
    hmbox->setFocus();
    QTest::keyClick(hmbox, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(hmbox, Qt::Key_Return);
    click("cmdPara");
    for (const QChar character : u"Caf\u00e9 \u20ac5"_s) // typed as a keyboard sends them
        QTest::sendKeyEvent(QTest::Click, hmbox, Qt::Key_unknown, character, Qt::NoModifier);
    QTest::keyClick(hmbox, Qt::Key_Return);
    click("cmdTest");
    m_window.field("txtHtml")->setText(u"menu.htm"_s);
    m_window.field("txtHTMcap")->setText(u"Menu"_s);
    click("hrefbutt");
    click("cmdDrag");
    click("cmdBR", 0);
    click("cmdBody", 1);
    click("cmdhtm", 0);
    saveTo(path(u"page.html"_s));

    QCOMPARE(contents(path(u"page.html"_s)),
             "<html><Body>\r\n<P>Caf\xe9 \x80"
             "5\r\n<a href =\"menu.htm\">Menu</a><br></Body></html>"_ba);
}

void tst_SaveCommand::failedSaveSpeaksTheUsersLanguage_data()
{
    QTest::addColumn<QStringList>("languages"); // the user's, in order of preference
    QTest::addColumn<QLocale>("spoken"); // the one the whole window speaks
    QTest::addColumn<QString>("message"); // the error box's first line
    const QLocale german(QLocale::German, QLocale::Germany), english(QLocale::English);
    const QString inGerman = u"Die Seite konnte nicht gespeichert werden unter"_s;
    const QString inEnglish = u"The page could not be saved to"_s;
    QTest::newRow("German") << QStringList{u"de-DE"_s} << german << inGerman;
    QTest::newRow("French") << QStringList{u"fr-FR"_s} << QLocale(QLocale::French, QLocale::France)
                            << u"La page n'a pas pu \u00eatre enregistr\u00e9e dans"_s;
    QTest::newRow("Welsh, which neither speaks: English")
            << QStringList{u"cy-GB"_s} << english << inEnglish;
    QTest::newRow("Frisian, which neither speaks, then German")
            << QStringList{u"fy"_s, u"de"_s} << german << inGerman;
    QTest::newRow("English, then German") << QStringList{u"en"_s, u"de"_s} << english << inEnglish;

    // A row for each of Tagwright's catalogs and each of Qt's, so that a language Qt speaks
    // and Tagwright does not fails. English is the text both are written in.
    const auto languagesIn = [](const QString &folder, const QString &prefix) {
        QStringList languages;
        for (const QString &name : QDir(folder).entryList({prefix + u"_*.qm"_s}))
            languages << name.sliced(prefix.size() + 1).chopped(3); // prefix_LANGUAGE.qm
        return languages;
    };
    QStringList catalogs
            = languagesIn(u":/i18n"_s, u"tagwright"_s)
              + languagesIn(QLibraryInfo::path(QLibraryInfo::TranslationsPath), u"qtbase"_s);
    catalogs.removeAll(u"en"_s);
    catalogs.sort();
    catalogs.removeDuplicates();
    // Where Qt has no catalog of its own for a language, the window stays English.
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString &language : std::as_const(catalogs)) {
        QTranslator catalog, qtCatalog;
        const bool qtSpeaksIt = qtCatalog.load(u"qtbase_"_s + language, qtFolder);
        QString message;
        if (catalog.load(u":/i18n/tagwright_"_s + language)) {
            message = qtSpeaksIt ? catalog.translate("saveMainBox",
                                                     "The page could not be saved to\n%1\n\n%2")
                                           .section(u'\n', 0, 0)
                                 : inEnglish;
        }
        QTest::addRow("catalog %s", qPrintable(language))
                << QStringList{language} << (qtSpeaksIt ? QLocale(language) : english) << message;
    }
}

void tst_SaveCommand::failedSaveSpeaksTheUsersLanguage()
{
    QFETCH(QStringList, languages);
    QFETCH(QLocale, spoken);
    QFETCH(QString, message);
    QVERIFY2(!message.isEmpty(),
             "Qt speaks it and Tagwright does not: translations/tagwright_*.ts");
    // Qt's catalog, read on its own, says how Qt's texts must read in this language.
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    QTranslator qtCatalog;
    const bool qtSpeaksIt = spoken.language() == QLocale::English
                            || qtCatalog.load(spoken, u"qtbase"_s, u"_"_s, qtFolder);
    const auto qtText = [&qtCatalog](const char *context, const char *source) {
        const QString translated = qtCatalog.translate(context, source);
        return translated.isEmpty() ? QString::fromLatin1(source) : translated;
    };
    // The window starts in this language with the table's places and captions, as in English.
    const auto places = [this] {
        QList<QRect> geometries;
        for (const QWidget *control : m_window.form()->findChildren<QWidget *>())
            geometries << control->geometry();
        return geometries;
    };
    const QList<QRect> inEnglish = places();
    const QImage drawn = m_window.form()->grab().toImage();
    loadTranslations(*qApp, languages);
    m_window.close();
    QVERIFY(m_window.open());
    QCOMPARE(places(), inEnglish);
    QVERIFY(m_window.form()->grab().toImage() == drawn);

    ModalCatcher catcher;
    saveTo(path(u"missing/page.html"_s));
    QCOMPARE(catcher.caught(), 1);
    QVERIFY2(catcher.lastText().startsWith(message + u'\n' + path(u"missing/page.html"_s)),
             qPrintable(catcher.lastText()));
    if (!qtSpeaksIt) {
        QSKIP(qPrintable(u"Qt's %1 translation (qtbase_*.qm, from qt6-translations-l10n) is "
                         "not installed in %2"_s.arg(QLocale::languageToString(spoken.language()),
                                                     qtFolder)));
    }
    QCOMPARE(catcher.lastButtons(), QStringList{qtText("QPlatformTheme", "OK")});
    // The main box's context menu is Qt's too.
    const std::unique_ptr<QMenu> menu(box("hmbox")->createStandardContextMenu());
    auto *selectAll = menu->findChild<QAction *>(u"select-all"_s);
    QVERIFY(selectAll);
    QCOMPARE(selectAll->text().section(u'\t', 0, 0), qtText("QWidgetTextControl", "Select All"));
    // Qt's windows read in the direction its catalog gives them, right to left in Arabic.
    QCOMPARE(menu->isRightToLeft(), qtText("QGuiApplication", "QT_LAYOUT_DIRECTION") == u"RTL"_s);
}

QTEST_MAIN(tst_SaveCommand)
#include "tst_save_command.moc"
