#include "HelpLauncher.h"

#include <QProcess>
#include <QStringList>

bool DesktopHelpLauncher::launch(const std::string& helpFile, std::uint32_t /*topic*/) {
    // Paths are file-system bytes; Qt hands them back to the system unchanged.
    return QProcess::startDetached(m_opener, {QString::fromLocal8Bit(helpFile)});
}

namespace {
DesktopHelpLauncher g_desktopLauncher;
HelpLauncher* g_launcher = &g_desktopLauncher;
}  // namespace

HelpLauncher& AfxGetHelpLauncher() { return *g_launcher; }

HelpLauncher* AfxSetHelpLauncher(HelpLauncher* launcher) {
    HelpLauncher* previous = g_launcher == &g_desktopLauncher ? nullptr : g_launcher;
    g_launcher = launcher ? launcher : &g_desktopLauncher;
    return previous;
}
