// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/box_layout.h"

#include "view/shaping_stretches.h"

#include <QObject>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>

namespace {

// Lays out each changed block of a box whose font asks for no shaping.
// - The stretches of a block that need shaping get a format that asks for it.
// - The block the last change ended in keeps its layout data, so the caret and the repaint
//   that follow need not analyse and shape it once more each. A block's data takes some 35
//   bytes a character, so no other block keeps it: when a change ends elsewhere, the block
//   held before is laid out once more without it, which frees it.
// QSyntaxHighlighter, Qt's own way to format changed blocks, would do for the stretches, but
// keeps a format for every character of a changed block: it costs a keystroke on a 1 MiB line
// some 15% more. So this leans on two things Qt does but does not promise, each checked on Qt
// 6.4 and 6.8 and guarded by a test that fails the day they change:
// - QTextDocument emits contentsChange() before its layout lays out the changed blocks (in
//   QPlainTextDocumentLayout::documentChanged()), so formats and cache set here count.
// - QTextLayout::endLayout() and QTextLayout::draw() free the layout data when the cache is
//   off; QTextLayout::setCacheEnabled() says only that endLayout() "usually" does.
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
        // Should QTextDocument::markContentsDirty() ever emit this signal (Qt 6.4 does not),
        // the block being let go of is unchanged, and not to be held again.
        if (m_releasing)
            return;
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

    void markStretchesToShape(const QTextBlock &block)
    {
        QList<QTextLayout::FormatRange> stretches;
        for (const BoxView::Stretch &stretch : BoxView::stretchesToShape(block.text()))
            stretches.append({stretch.start, stretch.length, m_shaped});
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
        if (!block.layout()->cacheEnabled() && block.length() > 1) {
            m_releasing = true;
            m_document->markContentsDirty(block.position(), 1);
            m_releasing = false;
        }
    }

    QTextDocument *m_document;
    QTextCharFormat m_shaped;
    // At the start of the held block. Edits elsewhere move it along with its block; one
    // that splits or joins the block is a change that reaches it.
    QTextCursor m_held;
    bool m_releasing = false;
};

} // namespace

namespace BoxView {

void setUpLayout(QPlainTextEdit *box)
{
    QFont font = box->font();
    font.setStyleStrategy(QFont::PreferNoShaping);
    box->setFont(font);
    new ChangedBlockLayout(box->document());
}

} // namespace BoxView
