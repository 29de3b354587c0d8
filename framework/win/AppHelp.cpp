#include "AppHelp.h"

#include "Dialog.h"
#include "DialogWindow.h"
#include "HelpContext.h"
#include "HelpLauncher.h"
#include "HelpTopic.h"
#include "MessageBoxes.h"
#include "ModuleNames.h"
#include "WinApp.h"
#include "resource.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>

bool isHelpKey(int key, Qt::KeyboardModifiers modifiers) {
    return key == Qt::Key_F1 && !(modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
}

namespace {
bool g_failureOpen = false;

struct WaitCursor {
    WaitCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
};
}  // namespace

void AfxRunHelp(std::uint32_t topic, const std::function<void()>& reportFailure) {
    if (g_failureOpen) return;
    bool started;
    {
        WaitCursor wait;
        started = AfxGetHelpLauncher().launch(AfxGetHelpFilePath(), topic);
    }
    if (started) return;
    g_failureOpen = true;
    struct Reset {
        ~Reset() { g_failureOpen = false; }
    } reset;
    reportFailure();
}

int AfxFrontDialogId() {
    for (QWidget* w = QApplication::activeModalWidget(); w; w = w->parentWidget())
        if (auto* window = dynamic_cast<DialogWindow*>(w)) return window->dialog().GetTemplateId();
    CWinApp* app = AfxGetApp();
    auto* main = app ? dynamic_cast<CDialog*>(app->m_pMainWnd) : nullptr;
    return main ? main->GetTemplateId() : 0;
}

void CWinApp::OnHelp() {
    AfxRunHelp(helpTopicFor(AfxGetHelpPromptContext(), AfxFrontDialogId()),
               [] { AfxMessageBox(AFX_IDP_FAILED_TO_LAUNCH_HELP); });
}

namespace {
class MessageBoxHelpKey : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!isHelpKey(key->key(), key->modifiers()) || !widget || !qobject_cast<QMessageBox*>(widget->window()))
            return false;
        if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd)
            app->m_pMainWnd->DeliverMessage(WM_COMMAND, ID_HELP);
        return true;
    }
};
}  // namespace

void installMessageBoxHelpKey() {
    static QPointer<MessageBoxHelpKey> filter;  // goes with the application that owns it
    if (filter || !qApp) return;
    filter = new MessageBoxHelpKey(qApp);
    qApp->installEventFilter(filter);
}
