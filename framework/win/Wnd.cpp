#include "Wnd.h"

#include <QVariant>
#include <QWidget>

#include <new>

#include "Exception.h"
#include "MessageBoxes.h"
#include "ModuleNames.h"
#include "StringTable.h"
#include "SystemMenu.h"
#include "WinApp.h"
#include "resource.h"

namespace {
constexpr const char* kControlIdProperty = "brevantControlId";

std::string frameworkString(unsigned id, const char* fallback)
{
    std::string text = AfxLoadString(id);
    return text.empty() ? fallback : text;
}
}  // namespace

const MessageMap& CWnd::messageMap()
{
    static const MessageMap map{&CCmdTarget::messageMap(), {}};
    return map;
}

void setControlId(QWidget* control, int id)
{
    control->setProperty(kControlIdProperty, id);
}

int controlId(const QWidget* control)
{
    const QVariant v = control->property(kControlIdProperty);
    return v.isValid() ? v.toInt() : 0;
}

QWidget* CWnd::GetDlgItem(int id) const
{
    if (!m_hWnd)
        return nullptr;
    for (QWidget* child : m_hWnd->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->property(kControlIdProperty).isValid() && controlId(child) == id)
            return child;
    }
    return nullptr;
}

int CWnd::MessageBox(const std::string& text, const char* caption, unsigned type)
{
    return showMessageBox({m_hWnd, text, caption ? std::string(caption) : AfxGetAppName(), type});
}

std::intptr_t CWnd::SendMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    const Message msg{message, wParam, lParam};
    const Message* outer = m_currentMessage;
    m_currentMessage = &msg;
    struct Restore {
        const Message*& slot;
        const Message* value;
        ~Restore() { slot = value; }
    } restore{m_currentMessage, outer};
    return WindowProc(msg);
}

std::intptr_t CWnd::DeliverMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    try {
        return SendMessage(message, wParam, lParam);
    } catch (...) {
        ReportException();
        return 0;
    }
}

void CWnd::ReportException()
{
    try {
        throw;
    } catch (const std::bad_alloc&) {
        showMessageBox({m_hWnd, frameworkString(AFX_IDP_FAILED_MEMORY_ALLOC, "Out of memory."),
                        AfxGetAppName(), MB_OK | MB_ICONEXCLAMATION | MB_SYSTEMMODAL});
    } catch (const CException& e) {
        std::string text;
        if (!e.GetErrorMessage(text))
            text = frameworkString(AFX_IDP_INTERNAL_FAILURE, "Internal application error.");
        MessageBox(text, nullptr, MB_OK | MB_ICONSTOP);
    } catch (...) {
        MessageBox(frameworkString(AFX_IDP_INTERNAL_FAILURE, "Internal application error."), nullptr,
                   MB_OK | MB_ICONSTOP);
    }
}

bool CWnd::OnCommand(unsigned id)
{
    if (OnCmdMsg(id))
        return true;
    if (id >= 0x8000 && id <= 0xEFFF) {
        if (CWinApp* app = AfxGetApp())
            return app->OnCmdMsg(id);
    }
    return false;
}

std::intptr_t CWnd::WindowProc(const Message& msg)
{
    if (msg.message == WM_COMMAND) {
        OnCommand(static_cast<unsigned>(msg.wParam));
        return 0;
    }
    if (const MessageMapEntry* e = FindEntry(msg.message))
        return e->call(*this, msg);
    return DefWindowProc(msg);
}

std::intptr_t CWnd::DefWindowProc(const Message& msg)
{
    if (msg.message == WM_SYSCOMMAND && (msg.wParam & 0xFFF0) == SC_CLOSE)
        return SendMessage(WM_CLOSE);
    if (msg.message == WM_SYSCOMMAND && (msg.wParam & 0xFFF0) == SC_MOVE)
        startSystemMove(m_hWnd);
    return 0;
}

std::intptr_t CWnd::Default()
{
    return m_currentMessage ? DefWindowProc(*m_currentMessage) : 0;
}
