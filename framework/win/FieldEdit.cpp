#include "FieldEdit.h"

#include <QValidator>

#include <algorithm>

// Judges each change the user makes against the text before it: a change that keeps
// the text within the limit, or does not lengthen it, passes; a longer insertion is
// cut to fit, and one with no room at all is refused.
class LimitValidator : public QValidator {
public:
    LimitValidator(QLineEdit* edit, int limit) : QValidator(edit), m_limit(limit), m_before(edit->text())
    {
        QObject::connect(edit, &QLineEdit::textChanged, this, [this](const QString& t) { m_before = t; });
    }

    State validate(QString& input, int& pos) const override
    {
        if (m_programSetting || input.size() <= m_limit || input.size() <= m_before.size())
            return Acceptable;
        // Where the edit happened: the parts before and after it are common to both texts.
        qsizetype prefix = 0;
        const qsizetype shorter = std::min(input.size(), m_before.size());
        while (prefix < shorter && input[prefix] == m_before[prefix])
            ++prefix;
        qsizetype suffix = 0;
        while (suffix < shorter - prefix &&
               input[input.size() - 1 - suffix] == m_before[m_before.size() - 1 - suffix])
            ++suffix;
        const qsizetype room = std::max<qsizetype>(0, m_limit - prefix - suffix);
        const qsizetype inserted = input.size() - prefix - suffix;
        const QString fitted = input.left(prefix) + input.mid(prefix, std::min(room, inserted)) + input.right(suffix);
        if (fitted == m_before)
            return Invalid;
        input = fitted;
        pos = static_cast<int>(prefix + std::min(room, inserted));
        return Acceptable;
    }

    int limit() const { return m_limit; }
    void setLimit(int limit) { m_limit = limit; }
    void setProgramSetting(bool on) { m_programSetting = on; }

private:
    int m_limit;
    QString m_before;
    bool m_programSetting = false;
};

FieldEdit::FieldEdit(QWidget* parent) : QLineEdit(parent) {}

void FieldEdit::setInputLimit(int limit)
{
    if (m_limit) {
        m_limit->setLimit(limit);
        return;
    }
    m_limit = new LimitValidator(this, limit);
    setValidator(m_limit);
}

int FieldEdit::inputLimit() const
{
    return m_limit ? m_limit->limit() : -1;
}

void FieldEdit::setProgramText(const QString& text)
{
    if (m_limit)
        m_limit->setProgramSetting(true);
    setText(text);
    if (m_limit)
        m_limit->setProgramSetting(false);
}
