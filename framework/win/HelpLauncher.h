// Starting the help viewer. The program's launcher hands the help file to the desktop's
// opener; tests replace it to record what F1 asks for.
#pragma once

#include <QString>

#include <cstdint>
#include <string>

class HelpLauncher {
public:
    virtual ~HelpLauncher() = default;
    // Starts the viewer on `helpFile` at `topic`; false when it could not be started.
    // Whether the file exists is the viewer's business, not the launcher's.
    virtual bool launch(const std::string& helpFile, std::uint32_t topic) = 0;
};

// Runs the desktop's opener (xdg-open) on the help file as a detached process. The opener
// takes no topic; the topic only chooses what a viewer that knew topics would show.
class DesktopHelpLauncher : public HelpLauncher {
public:
    explicit DesktopHelpLauncher(QString opener = QStringLiteral("xdg-open")) : m_opener(std::move(opener)) {}
    bool launch(const std::string& helpFile, std::uint32_t topic) override;

private:
    QString m_opener;
};

// The launcher F1 uses; a DesktopHelpLauncher unless replaced.
HelpLauncher& AfxGetHelpLauncher();
// Replaces the launcher (nullptr restores the desktop one); returns the previous replacement.
HelpLauncher* AfxSetHelpLauncher(HelpLauncher* launcher);
