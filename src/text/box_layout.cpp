#include "text/box_layout.h"

#include <QObject>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

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

// Lays out each changed block of a box whose font asks for no shaping: the stretches of a
// block that need shaping get a format that asks for it.
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
    // their formats set.
    void onChange(int from, int, int charsAdded)
    {
        const QTextBlock last = m_document->findBlock(from + charsAdded);
        for (QTextBlock block = m_document->findBlock(from); block.isValid();
             block = block.next()) {
            markStretchesToShape(block);
            if (block == last)
                break;
        }
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

    QTextDocument *m_document;
    QTextCharFormat m_shaped;
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
