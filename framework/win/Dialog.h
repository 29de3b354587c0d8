// A modal dialog built from a dialog template: creation, initialisation, placement,
// the modal run and its end, and the text-field operations the field exchange uses.
#pragma once

#include <optional>
#include <set>
#include <string>

#include "DataExchange.h"
#include "Wnd.h"

class QEventLoop;
class FieldEdit;

class CDialog : public CWnd, public CDataExchangeHost {
public:
    explicit CDialog(int templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    const MessageMap* GetMessageMap() const override { return &messageMap(); }
    static const MessageMap& messageMap();

    // Runs the dialog; returns the code given to EndDialog: IDOK, IDCANCEL, or -1
    // when the template is missing or the initialisation ended the dialog so.
    virtual int DoModal();
    // Records the code, hides the window and stops the modal run once the current
    // message has been handled.
    void EndDialog(int result);

    // Shows the members in the fields; false (after ending with -1) when that fails.
    virtual bool OnInitDialog();
    // Takes the fields with validation and ends with IDOK only when all pass.
    virtual void OnOK();
    virtual void OnCancel();

    int GetTemplateId() const { return m_templateId; }

    // DialogFields over the dialog's edit controls.
    bool hasField(int id) const override;
    std::string getFieldText(int id, std::optional<int> limit) const override;
    void setFieldText(int id, const std::string& text) override;
    void focusAndSelectField(int id) override;
    void limitFieldText(int id, int limit) override;
    void showValidationMessage(const std::string& text, std::optional<unsigned> stringId) override;

protected:
    void DoDataExchange(CDataExchange*) override {}
    std::intptr_t WindowProc(const Message& msg) override;
    std::intptr_t DefWindowProc(const Message& msg) override;

    // Marks a field whose text is a path: shown and taken as UTF-8, the file-system
    // encoding, instead of through the code page of titles.
    void SetPathField(int id) { m_pathFields.insert(id); }

private:
    FieldEdit* field(int id) const;
    QWidget* modalOwner() const;
    void focusFirstTabStop();

    int m_templateId;
    CWnd* m_pParentWnd;
    std::set<int> m_pathFields;
    QEventLoop* m_loop = nullptr;
    bool m_ended = false;
    int m_result = -1;
};
