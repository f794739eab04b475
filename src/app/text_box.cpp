#include "app/text_box.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace TextBox {

QString text(const QPlainTextEdit *box)
{
    // The raw text keeps every character as typed; toPlainText() would turn a no-break space
    // into a plain one. Paragraph and line separators are the editor's line breaks.
    const QString raw = box->document()->toRawText();
    QString text;
    text.reserve(raw.size());
    qsizetype lineStart = 0;
    for (qsizetype position = 0; position < raw.size(); ++position) {
        const QChar character = raw.at(position);
        if (character == QChar::ParagraphSeparator || character == QChar::LineSeparator) {
            text += QStringView(raw).sliced(lineStart, position - lineStart);
            text += u"\r\n";
            lineStart = position + 1;
        }
    }
    text += QStringView(raw).sliced(lineStart);
    return text;
}

void append(QPlainTextEdit *box, const QString &piece)
{
    // The editor reads CR LF, a lone CR or LF as one line break each, so inserting the piece
    // gives back exactly the same text as setting the concatenation would.
    QTextCursor end(box->document());
    end.movePosition(QTextCursor::End);
    end.insertText(piece);
}

void clear(QPlainTextEdit *box)
{
    // Through a cursor rather than clear(), so the editor's undo can bring the text back.
    QTextCursor all(box->document());
    all.select(QTextCursor::Document);
    all.removeSelectedText();
}

} // namespace TextBox
