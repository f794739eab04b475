// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "user_action.h"

#include <QStringList>

#include <random>

namespace {

// Characters a keyboard sends with a key press: ASCII, windows-1252 letters and signs,
// and characters beyond windows-1252, one of them outside the 16-bit range.
const QStringList &typedCharacters()
{
    static const QStringList characters = [] {
        QStringList list;
        for (char16_t c = 0x20; c < 0x7F; ++c)
            list << QString(QChar(c));
        for (const char16_t c : {u'<', u'>', u'&', u'"', u'/'}) // the characters of markup
            list << QString(QChar(c)) << QString(QChar(c));
        list << QStringLiteral("\n") << QStringLiteral("\n") << QStringLiteral("\n");
        for (const char16_t c : {0xE9, 0xDF, 0xFC, 0xFF, 0xD7, 0xA0, 0x20AC, 0x201E, 0x2122, 0x152,
                                 0x17E, 0x65E5, 0x672C, 0x3A9, 0x436, 0x2192})
            list << QString(QChar(c));
        list << QString::fromUtf8("\U0001F600") << QString::fromUtf8("\U0001D11E");
        return list;
    }();
    return characters;
}

// Characters that reach a box only by pasting or an input method: line breaks of every
// kind, control characters, non-characters and surrogates that are not half of a pair.
const QStringList &hostileCharacters()
{
    static const QStringList characters = {
            QStringLiteral("\r\n"), QStringLiteral("\r"),    QStringLiteral("\n"),
            QStringLiteral("\t"),   QString(QChar(0x2028)),  QString(QChar(0x2029)),
            QString(QChar(0x0)),    QString(QChar(0x81)),    QString(QChar(0x9D)),
            QString(QChar(0xFFFF)), QString(QChar(0xFFFD)),  QString(QChar(0xFEFF)),
            QString(QChar(0xD800)), QString(QChar(0xDBFF)),  QString(QChar(0xDC00)),
            QString(QChar(0xDFFF)), QStringLiteral("&amp;"), QStringLiteral("&#26085;"),
    };
    return characters;
}

class Draw
{
public:
    explicit Draw(quint32 seed)
        : m_generator(seed)
    { }

    // Plain modulo of the generator's output: the same on every standard library.
    int below(int bound) { return int(m_generator() % quint32(bound)); }
    double fraction() { return below(10000) / 10000.0; }
    QString text(const QStringList &alphabet, int longest)
    {
        QString text;
        for (int length = 1 + below(longest); length > 0; --length)
            text += alphabet.at(below(int(alphabet.size())));
        return text;
    }

private:
    std::mt19937 m_generator;
};

QString visible(const QString &text)
{
    QString shown;
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F && c != u'\\')
            shown += c;
        else
            shown += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
    }
    return u'"' + shown + u'"';
}

} // namespace

const std::vector<CommandButton> &commandButtons()
{
    static const std::vector<CommandButton> buttons = {
            {"cmdhtm", 1, "<html>"},        {"cmdhtm", 0, "</html>"},
            {"cmdItalic", 0, "<I>"},        {"cmdItalic", 1, "</I>"},
            {"cmdBR", 0, "<br>"},           {"cmdBR", 1, "</br>"},
            {"cmdBold", 0, "<B>"},          {"cmdBold", 1, "</B>"},
            {"cmdBody", 0, "<Body>"},       {"cmdBody", 1, "</Body>"},
            {"cmdPara", -1, "<P>"},         {"cmdImage", -1, "Image"},
            {"hrefbutt", -1, "Link"},       {"cmdDrag", -1, "Dragdown"},
            {"cmdClear", -1, "Clear Main"}, {"cmdTest", -1, "Clear Test"},
    };
    return buttons;
}

const std::vector<QString> &pageFileNames()
{
    static const std::vector<QString> names = {
            QStringLiteral("page.html"),
            QString::fromUtf8("Seite \u00E4.htm"),
            QString::fromUtf8("\u65E5\u672C.html"),
    };
    return names;
}

std::vector<UserAction> randomActions(quint32 seed, int count)
{
    Draw draw(seed);
    std::vector<UserAction> actions;
    actions.reserve(count);
    while (int(actions.size()) < count) {
        UserAction action;
        const int roll = draw.below(1000);
        if (roll < 300) {
            action.kind = UserAction::ClickButton;
            action.target = draw.below(int(commandButtons().size()));
        } else if (roll < 520) {
            action.kind = UserAction::Type;
            action.target = draw.below(boxCount);
            action.text = draw.text(typedCharacters(), 8);
        } else if (roll < 720) {
            action.kind = UserAction::CaretKey;
            action.target = draw.below(boxCount);
            action.key = UserAction::Key(draw.below(UserAction::SelectAll + 1));
            action.shift = action.key <= UserAction::ToEnd && draw.below(2) == 0;
        } else if (roll < 800) {
            action.kind = UserAction::ClickIntoBox;
            action.target = draw.below(boxCount);
            action.x = draw.fraction();
            action.y = draw.fraction();
        } else if (roll < 850) {
            action.kind = UserAction::Paste;
            action.target = draw.below(boxCount);
            action.text = draw.text(draw.below(2) ? hostileCharacters() : typedCharacters(), 6);
        } else if (roll < 890) {
            action.kind = UserAction::Compose;
            action.target = draw.below(boxCount);
            action.text = draw.text(draw.below(2) ? hostileCharacters() : typedCharacters(), 3);
        } else if (roll < 950) {
            action.kind = UserAction::SaveAs;
            action.file = draw.below(int(pageFileNames().size()));
        } else if (roll < 970) {
            action.kind = UserAction::SaveCancelled;
        } else if (roll < 985) {
            action.kind = UserAction::SaveOntoFolder;
        } else {
            action.kind = UserAction::SaveIntoMissingFolder;
        }
        actions.push_back(action);
    }
    return actions;
}

QString UserAction::describe() const
{
    static const char *const keyNames[]
            = {"Left", "Right", "ToStart", "ToEnd", "Backspace", "Delete", "SelectAll"};
    const QString box = QString::fromLatin1(boxNames[target < boxCount ? target : 0]);
    switch (kind) {
    case ClickButton: {
        const CommandButton &button = commandButtons().at(target);
        return QStringLiteral("click %1").arg(QString::fromLatin1(button.caption));
    }
    case ClickIntoBox:
        return QStringLiteral("click into %1 at (%2, %3)").arg(box).arg(x).arg(y);
    case Type:
        return QStringLiteral("type %1 into %2").arg(visible(text), box);
    case Compose:
        return QStringLiteral("compose %1 into %2").arg(visible(text), box);
    case Paste:
        return QStringLiteral("paste %1 into %2").arg(visible(text), box);
    case CaretKey:
        return QStringLiteral("%1%2 in %3")
                .arg(shift ? QStringLiteral("Shift+") : QString(), QLatin1String(keyNames[key]),
                     box);
    case SaveAs:
        return QStringLiteral("save as %1").arg(visible(pageFileNames().at(file)));
    case SaveCancelled:
        return QStringLiteral("save, cancelled");
    case SaveOntoFolder:
        return QStringLiteral("save onto a folder");
    case SaveIntoMissingFolder:
        return QStringLiteral("save into a missing folder");
    }
    return {};
}
