// The open and save file dialogs. Every choice goes through one chooser, so tests
// can inject choices; the production chooser runs a QFileDialog modal over the owner.
#pragma once

#include <optional>
#include <string>
#include <vector>

class CWnd;
#include <QStringList>
class QWidget;

enum : unsigned {
    OFN_OVERWRITEPROMPT = 0x2,
    OFN_HIDEREADONLY = 0x4,
};

struct FileFilter {
    std::string description;  // "CFG Files (*.cfg)"
    std::string patterns;     // "*.cfg"; several are separated by ";"
};

// "desc|pattern|desc|pattern||" as description and pattern pairs.
std::vector<FileFilter> parseFileFilter(const std::string& filter);

// The filters as QFileDialog name filters. Each keeps its description as the text
// the user sees; "*.*" becomes "*" so that names without a dot are listed too.
QStringList qtNameFilters(const std::vector<FileFilter>& filters);

struct FileDialogRequest {
    bool open;                 // the open kind, else the save kind
    QWidget* owner;            // the window the dialog is modal over; may be null
    std::vector<FileFilter> filters;
    std::string defaultExt;    // empty: none is added
    std::string fileName;      // initial name; empty: none
    unsigned flags;            // OFN_ flags
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen path (UTF-8), or nothing when cancelled or when the dialog failed.
    virtual std::optional<std::string> choose(const FileDialogRequest& request) = 0;
};

// Replaces the chooser (nullptr restores the Qt one); returns the previous one.
FileChooser* setFileChooser(FileChooser* chooser);

class CFileDialog {
public:
    CFileDialog(bool openFileDialog, const char* defaultExt = nullptr, const char* fileName = nullptr,
                unsigned flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const char* filter = nullptr,
                CWnd* parent = nullptr);

    // IDOK with a path chosen; IDCANCEL when cancelled or when the dialog failed.
    int DoModal();
    std::string GetPathName() const { return m_path; }

private:
    FileDialogRequest m_request;
    CWnd* m_parent;
    std::string m_path;
};
