#include "text/box_layout.h"

#include <QPlainTextEdit>

namespace TextBox {

void setUpLayout(QPlainTextEdit *box)
{
    QFont font = box->font();
    font.setStyleStrategy(QFont::PreferNoShaping);
    box->setFont(font);
}

} // namespace TextBox
