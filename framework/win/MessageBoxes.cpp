#include "MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <vector>

#include "HelpContext.h"
#include "ModuleNames.h"
#include "StringTable.h"
#include "Wnd.h"
#include "WinApp.h"
#include "WinDefs.h"
#include "resource.h"

namespace {

QMessageBox::Icon iconFor(unsigned type)
{
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONASTERISK: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

class QtMessageBoxPresenter : public MessageBoxPresenter {
public:
    int show(const MessageBoxRequest& r) override
    {
        QMessageBox box(iconFor(r.type), QString::fromUtf8(r.caption), QString::fromUtf8(r.text),
                        QMessageBox::NoButton, r.owner);
        // A path in a message is text, never markup.
        box.setTextFormat(Qt::PlainText);
        struct Choice { QMessageBox::StandardButton button; int result; };
        std::vector<Choice> choices;
        switch (r.type & MB_TYPEMASK) {
        case MB_OKCANCEL: choices = {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}}; break;
        case MB_YESNO: choices = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}}; break;
        case MB_YESNOCANCEL:
            choices = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
            break;
        default: choices = {{QMessageBox::Ok, IDOK}}; break;
        }
        for (const Choice& c : choices)
            box.addButton(c.button);
        box.setWindowModality(Qt::ApplicationModal);
        const int pressed = box.exec();
        for (const Choice& c : choices) {
            if (c.button == pressed)
                return c.result;
        }
        // Closed without a button (Escape, close box): the cancel button's answer,
        // or OK for a box with OK alone.
        return (r.type & MB_TYPEMASK) == MB_OK ? IDOK : IDCANCEL;
    }
};

QtMessageBoxPresenter g_qtPresenter;
MessageBoxPresenter* g_presenter = &g_qtPresenter;

QWidget* frameworkBoxOwner()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    CWinApp* app = AfxGetApp();
    return app && app->m_pMainWnd ? app->m_pMainWnd->GetSafeHwnd() : nullptr;
}

}  // namespace

MessageBoxPresenter* setMessageBoxPresenter(MessageBoxPresenter* presenter)
{
    MessageBoxPresenter* previous = g_presenter == &g_qtPresenter ? nullptr : g_presenter;
    g_presenter = presenter ? presenter : &g_qtPresenter;
    return previous;
}

int showMessageBox(const MessageBoxRequest& request)
{
    return g_presenter->show(request);
}

int AfxMessageBox(const std::string& text, unsigned type, unsigned helpId)
{
    const unsigned buttons = type & MB_TYPEMASK;
    const bool okKind = buttons == MB_OK || buttons == MB_OKCANCEL || buttons == MB_YESNO ||
                        buttons == MB_YESNOCANCEL;
    if (okKind && (type & MB_ICONMASK) == 0)
        type |= MB_ICONEXCLAMATION;
    if (helpId == 0)
        return showMessageBox({frameworkBoxOwner(), text, AfxGetAppName(), type});
    ScopedHelpPromptContext context(helpPromptContextFor(helpId));
    return showMessageBox({frameworkBoxOwner(), text, AfxGetAppName(), type});
}

int AfxMessageBox(unsigned stringId, unsigned type)
{
    return AfxMessageBox(AfxLoadString(stringId), type, stringId);
}
