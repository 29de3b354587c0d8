#include "ConfigEditorDlg.h"

#include "EditorExchange.h"
#include "FileCommands.h"
#include "FileDialog.h"
#include "resource.h"

CConfigEditorDlg::CConfigEditorDlg(CWnd* parent) : CDialog(IDD_CONFIG_EDITOR, parent)
{
    SetPathField(IDC_INPUT_FILE);
    SetPathField(IDC_OUTPUT_FILE);
}

CConfigEditorDlg::~CConfigEditorDlg() = default;

const MessageMap& CConfigEditorDlg::messageMap()
{
    static const MessageMapEntry entries[] = {
        onSysCommand<&CConfigEditorDlg::OnSysCommand>(),
        onMessage<&CConfigEditorDlg::OnPaint>(WM_PAINT),
        onMessage<&CConfigEditorDlg::OnQueryDragIcon>(WM_QUERYDRAGICON),
        onCommand<&CConfigEditorDlg::OnOpen>(IDC_OPEN),
        onCommand<&CConfigEditorDlg::OnSaveAs>(IDC_SAVE_AS),
    };
    static const MessageMap map{&CDialog::messageMap(), entries};
    return map;
}

void CConfigEditorDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    exchangeEditorState(pDX, *this);
}

bool CConfigEditorDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    return true;
}

void CConfigEditorDlg::OnSysCommand(unsigned, long)
{
    Default();
}

void CConfigEditorDlg::OnPaint()
{
    Default();
}

QIcon CConfigEditorDlg::OnQueryDragIcon()
{
    return m_icon;
}

void CConfigEditorDlg::OnOpen()
{
    ::OnOpen(*this, *this);
}

void CConfigEditorDlg::OnSaveAs()
{
    ::OnSaveAs(*this, *this);
}

std::optional<std::string> CConfigEditorDlg::chooseFile(bool forSaving)
{
    CFileDialog dialog(!forSaving, nullptr, nullptr, OFN_HIDEREADONLY, kRecordFileFilter, nullptr);
    if (dialog.DoModal() != IDOK)
        return std::nullopt;
    return dialog.GetPathName();
}

void CConfigEditorDlg::showMessage(const std::string& text)
{
    MessageBox(text, nullptr, MB_ICONERROR);
}

bool CConfigEditorDlg::showState()
{
    return UpdateData(false);
}

bool CConfigEditorDlg::takeState()
{
    return UpdateData(true);
}
