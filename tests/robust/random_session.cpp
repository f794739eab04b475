// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "random_session.h"

#include "box_text.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextDocument>

namespace {

// A document position as an index into the CR LF text, where each line break is two long.
qsizetype textIndex(const QString &crLfText, int documentPosition)
{
    qsizetype index = 0;
    for (int position = 0; position < documentPosition && index < crLfText.size(); ++position)
        index += crLfText.mid(index, 2) == u"\r\n" ? 2 : 1;
    return index;
}

// A box's text, and its selection as indexes into that text.
ReferenceModel::Box readBox(const QWidget *box)
{
    ReferenceModel::Box read;
    if (auto *multiLine = qobject_cast<const QPlainTextEdit *>(box)) {
        read.text = documentText(multiLine);
        read.anchor = textIndex(read.text, multiLine->textCursor().anchor());
        read.position = textIndex(read.text, multiLine->textCursor().position());
    } else if (auto *oneLine = qobject_cast<const QLineEdit *>(box)) {
        read.text = oneLine->text();
        read.position = oneLine->cursorPosition();
        read.anchor = !oneLine->hasSelectedText()                  ? read.position
                      : oneLine->selectionStart() == read.position ? oneLine->selectionEnd()
                                                                   : oneLine->selectionStart();
    }
    return read;
}

QString shown(const QString &text)
{
    QString result;
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F)
            result += c;
        else
            result += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
    }
    return result.size() > 400 ? result.left(200) + QStringLiteral("...") + result.right(200)
                               : result;
}

} // namespace

RandomSession::RandomSession()
{
    if (!m_folder.isValid() || !QDir(m_folder.path()).mkdir(QStringLiteral("folder")))
        return;
    m_form.CommonDialog1().setChooser([this](QWidget *, const QString &offered) {
        m_dialogOffered = offered;
        return m_dialogAnswer;
    });
    // Error boxes are modal: close each one as the user would, and count it.
    QObject::connect(&m_errorBoxCloser, &QTimer::timeout, &m_form, [this] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            ++m_errorBoxesSeen;
            box->done(QMessageBox::Ok);
        }
    });
    m_errorBoxCloser.start(1);
    m_form.show();
    m_form.activateWindow();
    m_ready = QTest::qWaitForWindowActive(&m_form);
}

QWidget *RandomSession::boxWidget(int box) const
{
    return m_form.control(QString::fromLatin1(boxNames[box]));
}

void RandomSession::performOnWindow(const UserAction &action)
{
    const bool onBox
            = action.kind >= UserAction::ClickIntoBox && action.kind <= UserAction::CaretKey;
    QWidget *box = onBox ? boxWidget(action.target) : nullptr;
    auto *multiLine = qobject_cast<QPlainTextEdit *>(box);
    if (box && action.kind != UserAction::ClickIntoBox && !box->hasFocus())
        box->setFocus();
    switch (action.kind) {
    case UserAction::ClickButton: {
        const CommandButton &button = commandButtons().at(action.target);
        QTest::mouseClick(m_form.control(QString::fromLatin1(button.name), button.index),
                          Qt::LeftButton);
        break;
    }
    case UserAction::ClickIntoBox: {
        QWidget *surface = multiLine ? multiLine->viewport() : box;
        QTest::mouseClick(surface, Qt::LeftButton, {},
                          QPoint(int(action.x * (surface->width() - 1)),
                                 int(action.y * (surface->height() - 1))));
        break;
    }
    case UserAction::Type:
        for (qsizetype i = 0; i < action.text.size(); ++i) {
            if (action.text[i] == u'\n') {
                QTest::keyClick(box, Qt::Key_Return);
            } else if (action.text[i].unicode() < 0x7F) {
                QTest::keyClick(box, char(action.text[i].unicode()));
            } else {
                const qsizetype length = action.text[i].isHighSurrogate() ? 2 : 1;
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, action.text.mid(i, length),
                                    Qt::NoModifier);
                i += length - 1;
            }
        }
        break;
    case UserAction::Compose: {
        QInputMethodEvent commit;
        commit.setCommitString(action.text);
        QApplication::sendEvent(box, &commit);
        break;
    }
    case UserAction::Paste:
        QGuiApplication::clipboard()->setText(action.text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        break;
    case UserAction::CaretKey: {
        const Qt::KeyboardModifiers shift = action.shift ? Qt::ShiftModifier : Qt::NoModifier;
        // The whole text's start and end: Ctrl+Home and Ctrl+End in a multi-line box.
        const Qt::KeyboardModifiers whole = multiLine ? Qt::ControlModifier : Qt::NoModifier;
        switch (action.key) {
        case UserAction::Left:
            QTest::keyClick(box, Qt::Key_Left, shift);
            break;
        case UserAction::Right:
            QTest::keyClick(box, Qt::Key_Right, shift);
            break;
        case UserAction::ToStart:
            QTest::keyClick(box, Qt::Key_Home, shift | whole);
            break;
        case UserAction::ToEnd:
            QTest::keyClick(box, Qt::Key_End, shift | whole);
            break;
        case UserAction::Backspace:
            QTest::keyClick(box, Qt::Key_Backspace);
            break;
        case UserAction::Delete:
            QTest::keyClick(box, Qt::Key_Delete);
            break;
        case UserAction::SelectAll:
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            break;
        }
        break;
    }
    case UserAction::SaveAs:
    case UserAction::SaveCancelled:
    case UserAction::SaveOntoFolder:
    case UserAction::SaveIntoMissingFolder: {
        const QDir folder(m_folder.path());
        if (action.kind == UserAction::SaveAs)
            m_dialogAnswer = folder.filePath(pageFileNames().at(action.file));
        else if (action.kind == UserAction::SaveOntoFolder)
            m_dialogAnswer = folder.filePath(QStringLiteral("folder"));
        else if (action.kind == UserAction::SaveIntoMissingFolder)
            m_dialogAnswer = folder.filePath(QStringLiteral("missing/page.html"));
        else
            m_dialogAnswer.clear();
        QTest::mouseClick(m_form.control(QStringLiteral("cmdSave")), Qt::LeftButton);
        // Closing an error box need not give the window back its activation on every
        // platform; the user clicks on the window's frame.
        if (!m_form.isActiveWindow()) {
            m_form.activateWindow();
            m_ready = QTest::qWaitForWindowActive(&m_form);
        }
        break;
    }
    }
}

// Where the caret lands after a command or a click is the program's or the toolkit's
// choice: the model takes it from the box.
void RandomSession::adoptCaret(int box)
{
    const ReferenceModel::Box read = readBox(boxWidget(box));
    m_model.box[box].anchor = read.anchor;
    m_model.box[box].position = read.position;
}

QString RandomSession::perform(const UserAction &action)
{
    const QString offeredBefore = m_model.dialogFileName;
    m_dialogOffered = QStringLiteral("(the dialog was not shown)");
    performOnWindow(action);

    int changed = ReferenceModel::None;
    bool saving = true;
    switch (action.kind) {
    case UserAction::ClickButton:
        changed = m_model.clickButton(action.target);
        saving = false;
        break;
    case UserAction::ClickIntoBox:
        m_model.focus(action.target);
        saving = false;
        break;
    case UserAction::Type:
        m_model.type(action.target, action.text);
        saving = false;
        break;
    case UserAction::Compose:
    case UserAction::Paste:
        m_model.insert(action.target, action.text);
        saving = false;
        break;
    case UserAction::CaretKey:
        m_model.caretKey(action.target, action.key, action.shift);
        saving = false;
        break;
    case UserAction::SaveAs:
        m_model.save(m_dialogAnswer, pageFileNames().at(action.file), true);
        break;
    case UserAction::SaveCancelled:
        m_model.cancelSave();
        break;
    case UserAction::SaveOntoFolder:
    case UserAction::SaveIntoMissingFolder:
        m_model.save(m_dialogAnswer, QString(), false);
        break;
    }

    if (saving && m_dialogOffered != offeredBefore)
        return QStringLiteral("the dialog offered \"%1\", expected \"%2\"")
                .arg(shown(m_dialogOffered), shown(offeredBefore));
    if (changed & ReferenceModel::MainBox)
        adoptCaret(0);
    if (changed & ReferenceModel::ScratchBox)
        adoptCaret(1);
    if (action.kind == UserAction::ClickIntoBox) {
        adoptCaret(action.target);
        if (m_model.box[action.target].anchor != m_model.box[action.target].position)
            return QStringLiteral("a single click selected text in %1")
                    .arg(QLatin1String(boxNames[action.target]));
    }
    return compare(saving);
}

QString RandomSession::compare(bool checkFiles) const
{
    for (int box = 0; box < boxCount; ++box) {
        const ReferenceModel::Box &model = m_model.box[box];
        const auto [text, anchor, position] = readBox(boxWidget(box));
        const QString name = QLatin1String(boxNames[box]);
        if (text != model.text)
            return QStringLiteral("%1 holds \"%2\", expected \"%3\"")
                    .arg(name, shown(text), shown(model.text));
        if (anchor != model.anchor || position != model.position)
            return QStringLiteral("%1 has its selection from %2 to %3, expected %4 to %5")
                    .arg(name)
                    .arg(anchor)
                    .arg(position)
                    .arg(model.anchor)
                    .arg(model.position);
    }
    QWidget *expectedFocus = m_model.focusedBox >= 0 ? boxWidget(m_model.focusedBox) : nullptr;
    const bool focusAgrees
            = expectedFocus
                      ? QApplication::focusWidget() == expectedFocus
                      : qobject_cast<QAbstractButton *>(QApplication::focusWidget()) != nullptr;
    if (!focusAgrees)
        return QStringLiteral("the focus is on %1")
                .arg(QApplication::focusWidget() ? QApplication::focusWidget()->objectName()
                                                 : QStringLiteral("nothing"));
    if (m_errorBoxesSeen != m_model.errorBoxes)
        return QStringLiteral("%1 error boxes were shown, expected %2")
                .arg(m_errorBoxesSeen)
                .arg(m_model.errorBoxes);
    if (!checkFiles)
        return {};

    QDir folder(m_folder.path());
    QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    QStringList expectedNames;
    for (const auto &[name, bytes] : m_model.files)
        expectedNames << name;
    names.sort();
    expectedNames.sort();
    if (names != expectedNames)
        return QStringLiteral("the folder holds [%1], expected [%2]")
                .arg(names.join(u", "), expectedNames.join(u", "));
    for (const auto &[name, bytes] : m_model.files) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            return QStringLiteral("%1 cannot be read back").arg(name);
        const QByteArray saved = file.readAll();
        if (saved != bytes)
            return QStringLiteral("%1 holds %2, expected %3")
                    .arg(name, QString::fromLatin1(saved.toPercentEncoding()),
                         QString::fromLatin1(bytes.toPercentEncoding()));
    }
    return {};
}

qsizetype firstMismatch(const std::vector<UserAction> &actions, QString *difference)
{
    RandomSession session;
    if (!session.isReady()) {
        *difference = QStringLiteral("the window could not be shown and activated");
        return 0;
    }
    for (std::size_t i = 0; i < actions.size(); ++i) {
        *difference = session.perform(actions[i]);
        if (!difference->isEmpty())
            return qsizetype(i);
    }
    return -1;
}
