#include "DialogKeyboard.h"

#include <QKeyEvent>
#include <QPushButton>

#include "Dialog.h"
#include "DialogWindow.h"
#include "WinApp.h"
#include "resource.h"

DialogKeyboard::DialogKeyboard(DialogWindow& window) : QObject(&window), m_window(window) {}

bool DialogKeyboard::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        // Claim our keys before Qt's shortcuts (a button's own "&" shortcut) see them.
        if (handleKey(static_cast<QKeyEvent&>(*event), false)) {
            event->accept();
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::KeyPress)
        return handleKey(static_cast<QKeyEvent&>(*event), true);
    return false;
}

bool DialogKeyboard::handleKey(const QKeyEvent& key, bool act)
{
    const Qt::KeyboardModifiers mods = key.modifiers() & ~Qt::KeypadModifier;
    CDialog& dialog = m_window.dialog();
    switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false;
        if (act)
            moveFocus(key.key() == Qt::Key_Tab && !(mods & Qt::ShiftModifier));
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (mods & Qt::AltModifier)
            return false;
        if (act) {
            // A focused push button is pressed; anywhere else Enter is the default command.
            auto* button = qobject_cast<QPushButton*>(m_window.focusWidget());
            if (button && button->parentWidget() == &m_window)
                button->click();
            else
                dialog.DeliverMessage(WM_COMMAND, static_cast<unsigned>(m_window.defaultCommandId()));
        }
        return true;
    case Qt::Key_Escape:
        if (mods != Qt::NoModifier)
            return false;
        if (act)
            dialog.DeliverMessage(WM_COMMAND, IDCANCEL);
        return true;
    case Qt::Key_F4:
        if (mods != Qt::AltModifier)
            return false;
        if (act)
            dialog.DeliverMessage(WM_SYSCOMMAND, SC_CLOSE);
        return true;
    case Qt::Key_F1:
        // Plain F1 asks the main window for help; with a modifier it does nothing.
        if (act && mods == Qt::NoModifier) {
            if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd)
                app->m_pMainWnd->DeliverMessage(WM_COMMAND, ID_HELP);
        }
        return true;
    default:
        break;
    }
    if (mods == Qt::AltModifier) {
        if (QWidget* button = mnemonicButton(key.key())) {
            if (act)
                static_cast<QPushButton*>(button)->click();
            return true;
        }
    }
    return false;
}

void DialogKeyboard::moveFocus(bool forward)
{
    const auto& controls = m_window.controls();
    const int n = static_cast<int>(controls.size());
    if (n == 0)
        return;
    int current = -1;
    for (int i = 0; i < n; ++i) {
        if (controls[i].widget == m_window.focusWidget())
            current = i;
    }
    if (current < 0)
        current = forward ? n - 1 : 0;
    for (int step = 1; step <= n; ++step) {
        const int i = ((current + (forward ? step : -step)) % n + n) % n;
        if (controls[i].isTabStop()) {
            controls[i].focus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

QWidget* DialogKeyboard::mnemonicButton(int key) const
{
    for (const DialogControl& c : m_window.controls()) {
        auto* button = qobject_cast<QPushButton*>(c.widget);
        if (!button || !button->isEnabled() || !button->isVisible())
            continue;
        const QString text = button->text();
        for (qsizetype i = 0; i + 1 < text.size(); ++i) {
            if (text[i] != u'&')
                continue;
            if (text[i + 1] != u'&' && text[i + 1].toUpper().unicode() == key)
                return button;
            ++i;
        }
    }
    return nullptr;
}
