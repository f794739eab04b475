// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/box_layout.h"

#include "view/shaping_stretches.h"

#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>

namespace {

// Lays out the document of a box whose font asks for no shaping.
// - The stretches of a block that need shaping get a format that asks for it, beside the
//   formats an input method's composition puts in the same layout.
// - The block the last change ended in keeps its layout data, so the caret and the repaint
//   that follow need not analyse and shape it once more each. A block's data takes some 35
//   bytes a character, so no other block keeps it: when a change ends elsewhere, the block
//   held before is laid out once more without it, which frees it.
// QSyntaxHighlighter, Qt's own way to format changed blocks, would do for the stretches, but
// keeps a format for every character of a changed block: it costs a keystroke on a 1 MiB line
// some 15% more. Formats and cache are set when the document layout hears of the change, just
// before it lays out the changed block. This leans on two things Qt does but does not promise,
// each checked on Qt 6.4 and 6.8 and guarded by a test that fails the day they change:
// - QTextLayout::setFormats() widens the change the document is making to the whole block
//   (QTextDocumentPrivate::documentChange()); once QTextDocument has handed the change to
//   documentChanged(), the widening is dropped with it. Set from contentsChange(), it reached
//   the layout, which took one typed letter for a change of several blocks and redrew the
//   whole box.
// - QTextLayout::endLayout() and QTextLayout::draw() free the layout data when the cache is
//   off; QTextLayout::setCacheEnabled() says only that endLayout() "usually" does.
class ShapingDocumentLayout : public QPlainTextDocumentLayout
{
public:
    explicit ShapingDocumentLayout(QTextDocument *document)
        : QPlainTextDocumentLayout(document)
    {
        m_shaped.setFontStyleStrategy(QFont::PreferDefault);
    }

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override
    {
        // The block being let go of is unchanged, and not to be held again.
        if (!m_releasing)
            prepareChangedBlocks(from, charsAdded);
        QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
    }

private:
    void prepareChangedBlocks(int from, int charsAdded)
    {
        const QTextBlock first = document()->findBlock(from);
        QTextBlock last = document()->findBlock(from + charsAdded);
        if (!last.isValid())
            last = document()->lastBlock();
        for (QTextBlock block = first; block.isValid(); block = block.next()) {
            // A block between the first and the last is new, or its text is unchanged: if
            // that text needs no shaping, its layout holds no stretch of ours. Not to make a
            // layout for each line of a large paste, such a block is left alone.
            markStretchesToShape(block, block == first || block == last);
            if (block == last)
                break;
        }
        hold(first, last);
    }

    // The layout's text is the block's with the composition in it, and the composition's
    // formats come first, so that where ours meet them both hold.
    void markStretchesToShape(const QTextBlock &block, bool mayHoldStretches)
    {
        QString shown = block.text();
        QList<BoxView::Stretch> stretches = BoxView::stretchesToShape(shown);
        if (stretches.isEmpty() && !mayHoldStretches)
            return;
        QTextLayout *layout = block.layout();
        if (layout->preeditAreaPosition() >= 0) {
            shown.insert(layout->preeditAreaPosition(), layout->preeditAreaText());
            stretches = BoxView::stretchesToShape(shown);
        }
        QList<QTextLayout::FormatRange> formats = layout->formats();
        formats.removeIf(
                [this](const QTextLayout::FormatRange &range) { return range.format == m_shaped; });
        for (const BoxView::Stretch &stretch : stretches)
            formats.append({stretch.start, stretch.length, m_shaped});
        if (formats != layout->formats())
            layout->setFormats(formats);
    }

    // Holds the last changed block, and lets go of the one held before; one this change did
    // not reach is laid out again to free its data.
    void hold(const QTextBlock &first, const QTextBlock &last)
    {
        const QTextBlock previous = m_held.block();
        if (!m_held.isNull() && previous != last && previous.layout()->cacheEnabled()) {
            previous.layout()->setCacheEnabled(false);
            if (previous.position() < first.position() || previous.position() > last.position()) {
                // After this change is done: the editor is in the middle of it now.
                QTimer::singleShot(0, this, [this, released = m_held] { release(released); });
            }
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
            document()->markContentsDirty(block.position(), 1);
            m_releasing = false;
        }
    }

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
    // The box's text and settings, in a document laid out as above.
    QTextDocument *document = box->document()->clone(box);
    document->clearUndoRedoStacks();
    document->setModified(false);
    document->setDocumentLayout(new ShapingDocumentLayout(document));
    box->setDocument(document);
    QFont font = box->font();
    font.setStyleStrategy(QFont::PreferNoShaping);
    box->setFont(font);
}

} // namespace BoxView
