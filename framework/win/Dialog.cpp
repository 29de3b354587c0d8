#include "Dialog.h"

#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>

#include "DialogPlacement.h"
#include "DialogWindow.h"
#include "WinApp.h"
#include "resource.h"

CDialog::CDialog(int templateId, CWnd* parent) : m_templateId(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog()
{
    delete m_hWnd;
}

const MessageMap& CDialog::messageMap()
{
    static const MessageMapEntry entries[] = {
        onCommand<&CDialog::OnOK>(IDOK),
        onCommand<&CDialog::OnCancel>(IDCANCEL),
    };
    static const MessageMap map{&CWnd::messageMap(), entries};
    return map;
}

QWidget* CDialog::modalOwner() const
{
    if (m_pParentWnd)
        return m_pParentWnd->GetSafeHwnd();
    CWinApp* app = AfxGetApp();
    if (!app || !app->m_pMainWnd || app->m_pMainWnd == this)
        return nullptr;
    return app->m_pMainWnd->GetSafeHwnd();
}

int CDialog::DoModal()
{
    const DialogTemplate* t = findDialogTemplate(m_templateId);
    if (!t || m_hWnd)
        return -1;
    QWidget* owner = modalOwner();
    auto* window = new DialogWindow(*this, *t, owner);
    if (owner)
        window->setWindowModality(Qt::WindowModal);
    m_hWnd = window;
    m_ended = false;
    m_result = -1;

    const bool wantsFocus = DeliverMessage(WM_INITDIALOG) != 0;
    if (!m_ended) {
        // Centred on every start: over the owner, or in the primary display's work area.
        // The platform window is made first so that the frame counts where it is known.
        window->winId();
        QScreen* screen = owner && owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
        const QRect area = screen->availableGeometry();
        window->move(centredPosition(owner ? owner->frameGeometry() : area, area, window->frameGeometry().size()));
        window->show();
        window->raise();
        window->activateWindow();
        if (wantsFocus)
            focusFirstTabStop();
        QEventLoop loop;
        m_loop = &loop;
        if (!m_ended)
            loop.exec(QEventLoop::DialogExec);
        m_loop = nullptr;
    }
    window->hide();
    // The owner takes the activation back when the dialog had it (or nothing has it now).
    if (owner && owner->isVisible() &&
        (!QApplication::activeWindow() || QApplication::activeWindow() == window))
        owner->activateWindow();
    m_hWnd = nullptr;
    delete window;
    return m_result;
}

void CDialog::EndDialog(int result)
{
    m_result = result;
    m_ended = true;
    if (m_hWnd)
        m_hWnd->hide();
    if (m_loop)
        m_loop->exit(result);
}

void CDialog::focusFirstTabStop()
{
    for (const DialogControl& c : static_cast<DialogWindow*>(m_hWnd)->controls()) {
        if (c.isTabStop()) {
            c.focus(Qt::TabFocusReason);
            return;
        }
    }
}

bool CDialog::OnInitDialog()
{
    if (!UpdateData(false)) {
        EndDialog(-1);
        return false;
    }
    return true;
}

void CDialog::OnOK()
{
    if (!UpdateData(true))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

std::intptr_t CDialog::WindowProc(const Message& msg)
{
    if (msg.message == WM_INITDIALOG)
        return OnInitDialog() ? 1 : 0;
    return CWnd::WindowProc(msg);
}

std::intptr_t CDialog::DefWindowProc(const Message& msg)
{
    // The dialog manager turns a close into the cancel command.
    if (msg.message == WM_CLOSE)
        return SendMessage(WM_COMMAND, IDCANCEL);
    return CWnd::DefWindowProc(msg);
}
