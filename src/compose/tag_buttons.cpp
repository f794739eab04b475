#include "compose/tag_buttons.h"

#include "text/text_box.h"

#include <QAbstractButton>

void appendCaption(QPlainTextEdit *hmbox, const QAbstractButton *button)
{
    TextBox::append(hmbox, button->text());
}
