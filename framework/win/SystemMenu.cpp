#include "SystemMenu.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QWidget>
#include <QWindow>

#include "Wnd.h"

bool CMenu::AppendMenu(unsigned flags, unsigned id, const std::string& text) {
    m_items.push_back({flags, flags & MF_SEPARATOR ? 0u : id, flags & MF_SEPARATOR ? std::string() : text});
    return true;
}

SystemMenu::SystemMenu(QWidget* window, std::function<void(unsigned)> sendSysCommand)
    : QObject(window), m_window(window), m_sendSysCommand(std::move(sendSysCommand)) {
    setObjectName(QStringLiteral("brevantSystemMenu"));
    m_menu.AppendMenu(MF_STRING, SC_MOVE, "&Move");
    m_menu.AppendMenu(MF_STRING, SC_CLOSE, "&Close\tAlt+F4");
    // Keys go to the focused control; the application's filter sees them all first.
    qApp->installEventFilter(this);
}

SystemMenu* SystemMenu::of(const QWidget* window) {
    return window ? window->findChild<SystemMenu*>(QStringLiteral("brevantSystemMenu"), Qt::FindDirectChildrenOnly)
                  : nullptr;
}

QMenu* SystemMenu::open(const QPoint& globalPos) {
    if (m_popup) m_popup->close();
    auto* popup = new QMenu(m_window);
    popup->setAttribute(Qt::WA_DeleteOnClose);
    for (const CMenu::Item& item : m_menu.items()) {
        if (item.flags & MF_SEPARATOR) {
            popup->addSeparator();
            continue;
        }
        QAction* action = popup->addAction(QString::fromStdString(item.text));
        const unsigned id = item.id;
        // Queued, so the menu has closed before the command runs (the About box is modal).
        connect(action, &QAction::triggered, this, [this, id] { m_sendSysCommand(id); }, Qt::QueuedConnection);
    }
    m_popup = popup;
    popup->popup(globalPos);
    return popup;
}

bool SystemMenu::belongsToWindow(QObject* object) const {
    auto* widget = qobject_cast<QWidget*>(object);
    return widget && widget->window() == m_window;
}

bool SystemMenu::eventFilter(QObject* watched, QEvent* event) {
    if (!belongsToWindow(watched) || !m_window->isEnabled()) return false;
    // A modal window over this one (a message box, the About box) takes the input.
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != m_window) return false;
    if (event->type() == QEvent::KeyPress && !m_popup) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods =
            key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        const bool opens = (key->key() == Qt::Key_Space && mods == Qt::AltModifier) ||
                           (key->key() == Qt::Key_Menu && mods == Qt::NoModifier) ||
                           (key->key() == Qt::Key_F10 && mods == Qt::ShiftModifier);
        if (opens) {
            open(m_window->mapToGlobal(QPoint(0, 0)));
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::ContextMenu) {
        const auto* menuEvent = static_cast<QContextMenuEvent*>(event);
        if (menuEvent->reason() != QContextMenuEvent::Mouse) {
            // The menu keys are this menu's: the window system may follow the key press with a
            // context-menu request of its own, which no control gets.
            if (!m_popup) open(m_window->mapToGlobal(QPoint(0, 0)));
            return true;
        }
        // The background: the window itself and the statics that take no input.
        const bool background = watched == m_window || qobject_cast<QLabel*>(watched) ||
                                qobject_cast<QGroupBox*>(watched);
        if (background && !m_popup) {
            open(menuEvent->globalPos());
            return true;
        }
    }
    return false;
}

namespace {
// Moving a window from the keyboard, where the window manager cannot move it: the arrow
// keys move it, Enter or a click keeps the place, Escape puts it back.
class KeyboardMove : public QObject {
public:
    explicit KeyboardMove(QWidget* window) : QObject(window), m_window(window), m_start(window->pos()) {
        setObjectName(QStringLiteral("brevantKeyboardMove"));
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != m_window) return false;
        if (event->type() == QEvent::MouseButtonPress) {
            finish();
            return false;
        }
        if (event->type() != QEvent::KeyPress) return false;
        const int step = 8;
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Left: m_window->move(m_window->pos() + QPoint(-step, 0)); break;
        case Qt::Key_Right: m_window->move(m_window->pos() + QPoint(step, 0)); break;
        case Qt::Key_Up: m_window->move(m_window->pos() + QPoint(0, -step)); break;
        case Qt::Key_Down: m_window->move(m_window->pos() + QPoint(0, step)); break;
        case Qt::Key_Escape: m_window->move(m_start); finish(); break;
        case Qt::Key_Return:
        case Qt::Key_Enter: finish(); break;
        default: break;
        }
        return true;  // the controls take no keys while the window moves
    }

private:
    void finish() {
        qApp->removeEventFilter(this);
        setParent(nullptr);
        deleteLater();
    }

    QWidget* m_window;
    QPoint m_start;
};
}  // namespace

void startKeyboardMove(QWidget* window) {
    if (window && !window->findChild<QObject*>(QStringLiteral("brevantKeyboardMove"), Qt::FindDirectChildrenOnly))
        new KeyboardMove(window);
}

void startSystemMove(QWidget* window) {
    if (!window) return;
    QWindow* handle = window->windowHandle();
    if (handle && handle->startSystemMove()) return;
    startKeyboardMove(window);
}

CMenu* CWnd::GetSystemMenu(bool /*revert*/) const {
    SystemMenu* menu = SystemMenu::of(m_hWnd);
    return menu ? &menu->menu() : nullptr;
}
