// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference_model.h"

#include "reference_page.h"

#include <algorithm>

namespace {

// The caret stops one character further on: a surrogate pair is one character, and so is
// a line break in a multi-line box. A one-line box stops between CR and LF.
bool isPair(const QString &text, qsizetype first, bool multiLine)
{
    if (first < 0 || first + 1 >= text.size())
        return false;
    return (multiLine && text[first] == u'\r' && text[first + 1] == u'\n')
           || (text[first].isHighSurrogate() && text[first + 1].isLowSurrogate());
}

qsizetype nextStop(const QString &text, qsizetype position, bool multiLine)
{
    if (position >= text.size())
        return text.size();
    return position + (isPair(text, position, multiLine) ? 2 : 1);
}

qsizetype previousStop(const QString &text, qsizetype position, bool multiLine)
{
    if (position <= 0)
        return 0;
    return position - (isPair(text, position - 2, multiLine) ? 2 : 1);
}

void replaceSelection(ReferenceModel::Box &box, const QString &piece)
{
    const qsizetype start = std::min(box.anchor, box.position);
    const qsizetype end = std::max(box.anchor, box.position);
    box.text = box.text.left(start) + piece + box.text.mid(end);
    box.anchor = box.position = start + piece.size();
}

} // namespace

QString withBoxLineBreaks(const QString &text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(u'\r', u'\n');
    lines.replace(QChar::LineSeparator, u'\n');
    lines.replace(QChar::ParagraphSeparator, u'\n');
    lines.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return lines;
}

ReferenceModel::ReferenceModel()
{
    box[1].text = QStringLiteral("Test\r\n");
}

int ReferenceModel::clickButton(int button)
{
    focus(-1);
    Box &main = box[0];
    Box &scratch = box[1];
    const QString caption = QString::fromUtf8(commandButtons().at(button).caption);
    const QString quote = QStringLiteral("\"");
    if (caption == u"Image") {
        scratch.text = scratch.text
                       + withBoxLineBreaks(QStringLiteral("<img SRC=") + quote + box[4].text + quote
                                           + QStringLiteral(">"));
        return ScratchBox;
    }
    if (caption == u"Link") {
        scratch.text
                = scratch.text
                  + withBoxLineBreaks(QStringLiteral("<a href =") + quote + box[2].text + quote
                                      + QStringLiteral(">") + box[3].text + QStringLiteral("</a>"));
        return ScratchBox;
    }
    if (caption == u"Dragdown") {
        main.text = main.text + scratch.text;
        return MainBox;
    }
    if (caption == u"Clear Main") {
        main.text.clear();
        return MainBox;
    }
    if (caption == u"Clear Test") {
        scratch.text.clear();
        return ScratchBox;
    }
    main.text = main.text + caption; // a tag button
    return MainBox;
}

void ReferenceModel::focus(int target)
{
    // A one-line box drops its selection when the focus leaves it; the caret stays.
    if (focusedBox >= 0 && focusedBox != target && !isMultiLine(focusedBox))
        box[focusedBox].anchor = box[focusedBox].position;
    focusedBox = target;
}

void ReferenceModel::type(int target, const QString &keys)
{
    focus(target);
    for (qsizetype i = 0; i < keys.size(); i = nextStop(keys, i, false)) {
        const QString character = keys.mid(i, nextStop(keys, i, false) - i);
        if (character == u"\n") {
            if (isMultiLine(target))
                replaceSelection(box[target], QStringLiteral("\r\n"));
        } else {
            replaceSelection(box[target], character);
        }
    }
}

void ReferenceModel::insert(int target, const QString &text)
{
    focus(target);
    replaceSelection(box[target], isMultiLine(target) ? withBoxLineBreaks(text) : text);
}

void ReferenceModel::caretKey(int target, UserAction::Key key, bool shift)
{
    focus(target);
    Box &edited = box[target];
    const bool multiLine = isMultiLine(target);
    const bool selected = edited.anchor != edited.position;
    const qsizetype start = std::min(edited.anchor, edited.position);
    const qsizetype end = std::max(edited.anchor, edited.position);
    switch (key) {
    case UserAction::Left:
    case UserAction::Right: {
        const bool left = key == UserAction::Left;
        if (!shift && selected && multiLine) // the multi-line box collapses the selection
            edited.position = left ? start : end;
        else
            edited.position = left ? previousStop(edited.text, edited.position, multiLine)
                                   : nextStop(edited.text, edited.position, multiLine);
        break;
    }
    case UserAction::ToStart:
        edited.position = 0;
        break;
    case UserAction::ToEnd:
        edited.position = edited.text.size();
        break;
    case UserAction::Backspace:
    case UserAction::Delete:
        if (!selected) {
            edited.anchor = key == UserAction::Backspace
                                    ? previousStop(edited.text, edited.position, multiLine)
                                    : nextStop(edited.text, edited.position, multiLine);
        }
        replaceSelection(edited, QString());
        return;
    case UserAction::SelectAll:
        edited.anchor = 0;
        edited.position = edited.text.size();
        return;
    }
    if (!shift)
        edited.anchor = edited.position;
}

void ReferenceModel::save(const QString &answer, const QString &fileName, bool succeeds)
{
    focus(-1);
    dialogFileName = answer;
    if (succeeds)
        files[fileName] = ReferencePage::encode(box[0].text);
    else
        ++errorBoxes;
}

void ReferenceModel::cancelSave()
{
    focus(-1);
    dialogFileName.clear();
}
