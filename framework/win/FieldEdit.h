// The edit control of a dialog: a QLineEdit whose input limit stops typing and
// pasting only, never text that the program sets (QLineEdit::setMaxLength would cut it).
#pragma once

#include <QLineEdit>

class LimitValidator;

class FieldEdit : public QLineEdit {
public:
    explicit FieldEdit(QWidget* parent);

    // From now on the user cannot make the text longer than `limit` characters;
    // an insertion that does not fit is cut to the room left, as a paste into a
    // limited Windows edit control is.
    void setInputLimit(int limit);
    int inputLimit() const;

    // Sets the text as the program's own; no limit applies to it.
    void setProgramText(const QString& text);

private:
    LimitValidator* m_limit = nullptr;
};
