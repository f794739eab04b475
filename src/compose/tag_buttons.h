#pragma once

class QAbstractButton;
class QPlainTextEdit;

// A tag button: appends the button's own caption to the end of the main box.
void appendCaption(QPlainTextEdit *hmbox, const QAbstractButton *button);
