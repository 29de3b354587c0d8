#include "FileDialog.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>

#include "WinApp.h"
#include "Wnd.h"
#include "resource.h"

std::vector<FileFilter> parseFileFilter(const std::string& filter)
{
    std::vector<FileFilter> pairs;
    std::vector<std::string> fields;
    std::string::size_type start = 0;
    while (start <= filter.size()) {
        const auto bar = filter.find('|', start);
        const auto end = bar == std::string::npos ? filter.size() : bar;
        fields.push_back(filter.substr(start, end - start));
        if (bar == std::string::npos)
            break;
        start = bar + 1;
    }
    // An empty description ends the list.
    for (std::size_t i = 0; i + 1 < fields.size() && !fields[i].empty(); i += 2)
        pairs.push_back({fields[i], fields[i + 1]});
    return pairs;
}

QStringList qtNameFilters(const std::vector<FileFilter>& filters)
{
    QStringList list;
    for (const FileFilter& f : filters) {
        QStringList patterns;
        for (const QString& p : QString::fromStdString(f.patterns).split(u';', Qt::SkipEmptyParts)) {
            const QString pattern = p.trimmed();
            patterns << (pattern == QStringLiteral("*.*") ? QStringLiteral("*") : pattern);
        }
        // The dialog hides the pattern part (HideNameFilterDetails), so the user sees
        // the description exactly as given.
        list << QString::fromStdString(f.description) + QStringLiteral(" (") + patterns.join(u' ') + u')';
    }
    return list;
}

namespace {

class QtFileChooser : public FileChooser {
public:
    std::optional<std::string> choose(const FileDialogRequest& r) override
    {
        QFileDialog dialog(r.owner);
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        dialog.setOption(QFileDialog::DontResolveSymlinks);
        dialog.setAcceptMode(r.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
        // A typed name of a file that does not exist is returned too; whoever opens it
        // reports the failure.
        dialog.setFileMode(QFileDialog::AnyFile);
        if (!(r.flags & OFN_OVERWRITEPROMPT))
            dialog.setOption(QFileDialog::DontConfirmOverwrite);
        const QStringList filters = qtNameFilters(r.filters);
        if (!filters.isEmpty()) {
            dialog.setNameFilters(filters);
            dialog.selectNameFilter(filters.front());
        }
        if (!r.defaultExt.empty())
            dialog.setDefaultSuffix(QString::fromStdString(r.defaultExt));
        if (!r.fileName.empty())
            dialog.selectFile(QString::fromStdString(r.fileName));
        dialog.setWindowModality(Qt::ApplicationModal);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return QFile::encodeName(dialog.selectedFiles().front()).toStdString();
    }
};

QtFileChooser g_qtChooser;
FileChooser* g_chooser = &g_qtChooser;

}  // namespace

FileChooser* setFileChooser(FileChooser* chooser)
{
    FileChooser* previous = g_chooser == &g_qtChooser ? nullptr : g_chooser;
    g_chooser = chooser ? chooser : &g_qtChooser;
    return previous;
}

CFileDialog::CFileDialog(bool openFileDialog, const char* defaultExt, const char* fileName, unsigned flags,
                         const char* filter, CWnd* parent)
    : m_request{openFileDialog, nullptr, filter ? parseFileFilter(filter) : std::vector<FileFilter>{},
                defaultExt ? defaultExt : "", fileName ? fileName : "", flags},
      m_parent(parent)
{
}

int CFileDialog::DoModal()
{
    // With no parent the dialog belongs to the main window, which it disables meanwhile.
    CWnd* owner = m_parent;
    if (!owner) {
        if (CWinApp* app = AfxGetApp())
            owner = app->m_pMainWnd;
    }
    QWidget* ownerWidget = owner ? owner->GetSafeHwnd() : nullptr;
    if (QWidget* modal = QApplication::activeModalWidget())
        ownerWidget = modal;
    m_request.owner = ownerWidget;
    std::optional<std::string> path = g_chooser->choose(m_request);
    if (!path)
        return IDCANCEL;
    m_path = *path;
    return IDOK;
}
