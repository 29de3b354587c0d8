// The field operations of CDialog over its edit controls. Titles go through the
// 8-bit code page; path fields are UTF-8, the file-system encoding.
#include <QWidget>

#include "CodePage.h"
#include "Dialog.h"
#include "FieldEdit.h"
#include "MessageBoxes.h"

namespace {
constexpr qsizetype kLeaveAloneLimit = 255;
}

FieldEdit* CDialog::field(int id) const
{
    return dynamic_cast<FieldEdit*>(GetDlgItem(id));
}

bool CDialog::hasField(int id) const
{
    return field(id) != nullptr;
}

std::string CDialog::getFieldText(int id, std::optional<int> limit) const
{
    FieldEdit* edit = field(id);
    if (!edit)
        return {};
    QString text = edit->text();
    if (limit)
        text.truncate(*limit);
    const std::string utf8 = text.toStdString();
    return m_pathFields.count(id) ? utf8 : utf8ToCp1252(utf8);
}

void CDialog::setFieldText(int id, const std::string& text)
{
    FieldEdit* edit = field(id);
    if (!edit)
        return;
    const QString shown = QString::fromStdString(m_pathFields.count(id) ? text : cp1252ToUtf8(text));
    // setText would move the caret and drop the selection: a field that already shows
    // exactly this text is left alone.
    if (shown.size() <= kLeaveAloneLimit && edit->text() == shown)
        return;
    edit->setProgramText(shown);
}

void CDialog::focusAndSelectField(int id)
{
    if (FieldEdit* edit = field(id)) {
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
    }
}

void CDialog::limitFieldText(int id, int limit)
{
    if (FieldEdit* edit = field(id))
        edit->setInputLimit(limit);
}

void CDialog::showValidationMessage(const std::string& text, std::optional<unsigned>)
{
    // The exchange keeps the help-prompt context for the string id around this call.
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
}
