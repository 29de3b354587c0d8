#include "AppHelp.h"

#include "HelpLauncher.h"
#include "ModuleNames.h"

#include <QCursor>
#include <QGuiApplication>

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
