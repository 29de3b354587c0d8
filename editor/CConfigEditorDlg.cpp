#include "CConfigEditorDlg.h"

#include <QPainter>
#include <QWidget>

#include "CAboutBox.h"
#include "EditorExchange.h"
#include "FileCommands.h"
#include "FileDialog.h"
#include "IconPlacement.h"
#include "ProgramIcon.h"
#include "StringTable.h"
#include "SystemMenu.h"
#include "resource.h"

CConfigEditorDlg::CConfigEditorDlg(CWnd* parent)
    : CDialog(IDD_CONFIG_EDITOR, parent), m_icon(AfxLoadIcon(IDI_PROGRAM))
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

    // The About entry goes after the system menu's own items.
    if (CMenu* sysMenu = GetSystemMenu(false)) {
        const std::string about = AfxLoadString(IDS_ABOUT_MENU);
        if (!about.empty()) {
            sysMenu->AppendMenu(MF_SEPARATOR);
            sysMenu->AppendMenu(MF_STRING, IDM_ABOUT, about);
        }
    }

    // One icon serves as the big and the small window icon.
    SetIcon(m_icon, true);
    SetIcon(m_icon, false);
    return true;
}

void CConfigEditorDlg::OnSysCommand(unsigned nID, long)
{
    if ((nID & 0xFFF0) == IDM_ABOUT) {
        CAboutBox about;
        about.DoModal();
    } else {
        Default();
    }
}

void CConfigEditorDlg::OnPaint()
{
    if (!IsIconic()) {
        Default();
        return;
    }
    // Minimised: the icon centred on the erased background.
    QWidget* window = GetSafeHwnd();
    QPainter painter(window);
    const QRect client = window->rect();
    painter.fillRect(client, window->palette().window());
    const int x = minimisedIconOffset(client.width(), kStandardIconSize);
    const int y = minimisedIconOffset(client.height(), kStandardIconSize);
    m_icon.paint(&painter, QRect(x, y, kStandardIconSize, kStandardIconSize));
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
