// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/box_layout.h"

#include <QObject>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>

#include <algorithm>

namespace {

// Whether Qt draws a character right from the font's character map alone: letters of
// Latin, Greek, Cyrillic and Chinese or Japanese, digits, punctuation and symbols. Marks
// typed as characters of their own, joiners, surrogate pairs (emoji sequences among them)
// and all other scripts need shaping. Qt's own list of scripts that need it leaves out
// Arabic, Thai and others, so the box cannot leave the choice to Qt alone.
bool drawnRightUnshaped(QChar character)
{
    if (character.unicode() < 0x0300) // up to the spacing modifier letters: no marks
        return true;
    if (character.isSurrogate())
        return false;
    switch (character.category()) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Other_Format:
        return false;
    default:
        break;
    }
    switch (character.script()) {
    case QChar::Script_Common:
    case QChar::Script_Latin:
    case QChar::Script_Greek:
    case QChar::Script_Cyrillic:
    case QChar::Script_Han:
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
        return true;
    default:
        return false;
    }
}

// Lays out each changed block of a box whose font asks for no shaping.
// - The stretches of a block that need shaping get a format that asks for it.
// - The block the last change ended in keeps its layout data, so the caret and the repaint
//   that follow need not analyse and shape it once more each. A block's data takes some 35
//   bytes a character, so no other block keeps it: when a change ends elsewhere, the block
//   held before is laid out once more without it, which frees it.
class ChangedBlockLayout : public QObject
{
public:
    explicit ChangedBlockLayout(QTextDocument *document)
        : QObject(document)
        , m_document(document)
    {
        m_shaped.setFontStyleStrategy(QFont::PreferDefault);
        connect(document, &QTextDocument::contentsChange, this, &ChangedBlockLayout::onChange);
        onChange(0, 0, document->characterCount() - 1); // the text the box was made with
    }

private:
    // Runs before the editor lays out the changed blocks, so that they are laid out with
    // their formats and cache set.
    void onChange(int from, int, int charsAdded)
    {
        const QTextBlock first = m_document->findBlock(from);
        QTextBlock last = m_document->findBlock(from + charsAdded);
        if (!last.isValid())
            last = m_document->lastBlock();
        for (QTextBlock block = first; block.isValid(); block = block.next()) {
            markStretchesToShape(block);
            if (block == last)
                break;
            block.layout()->setCacheEnabled(false); // changed, which has freed its data
        }
        hold(first, last);
    }

    // A stretch runs from one character that needs shaping to the last in a row, over the
    // spaces and punctuation between them, so that the words of a phrase are shaped together.
    void markStretchesToShape(const QTextBlock &block)
    {
        const QString text = block.text();
        QList<QTextLayout::FormatRange> stretches;
        int end = 0; // of the last stretch
        for (int i = 0; i < text.size(); ++i) {
            if (drawnRightUnshaped(text[i]))
                continue;
            const bool onlyPunctuationBetween
                    = !stretches.isEmpty()
                      && std::all_of(text.begin() + end, text.begin() + i, [](QChar between) {
                             return between.script() == QChar::Script_Common;
                         });
            if (!onlyPunctuationBetween)
                stretches.append({i, 0, m_shaped});
            end = i + 1;
            stretches.back().length = end - stretches.back().start;
        }
        if (stretches != block.layout()->formats())
            block.layout()->setFormats(stretches);
    }

    // Holds the last changed block, and lets go of the one held before unless this change
    // reached it.
    void hold(const QTextBlock &first, const QTextBlock &last)
    {
        const QTextBlock previous = m_held.block();
        if (!m_held.isNull()
            && (previous.position() < first.position() || previous.position() > last.position())
            && previous.layout()->cacheEnabled()) {
            previous.layout()->setCacheEnabled(false);
            // After this change is done: the editor is in the middle of it now.
            QTimer::singleShot(0, this, [this, released = m_held] { release(released); });
        }
        last.layout()->setCacheEnabled(true);
        m_held = QTextCursor(last);
        m_held.setKeepPositionOnInsert(true); // at the block's start, typing there included
    }

    // Lays the block out again now, which frees its data with the cache off. Marking one
    // character is enough, and keeps the editor from laying out the next block too.
    void release(const QTextCursor &released)
    {
        const QTextBlock block = released.block();
        if (!block.layout()->cacheEnabled() && block.length() > 1)
            m_document->markContentsDirty(block.position(), 1);
    }

    QTextDocument *m_document;
    QTextCharFormat m_shaped;
    // At the start of the held block. Edits elsewhere move it along with its block; one
    // that splits or joins the block is a change that reaches it.
    QTextCursor m_held;
};

} // namespace

namespace TextBox {

void setUpLayout(QPlainTextEdit *box)
{
    QFont font = box->font();
    font.setStyleStrategy(QFont::PreferNoShaping);
    box->setFont(font);
    new ChangedBlockLayout(box->document());
}

} // namespace TextBox
