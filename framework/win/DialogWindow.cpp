#include "DialogWindow.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "CodePage.h"
#include "Dialog.h"
#include "DialogKeyboard.h"
#include "FieldEdit.h"
#include "ProgramIcon.h"
#include "SystemMenu.h"
#include "resource.h"

namespace {

QString templateText(const std::string& bytes)
{
    return QString::fromStdString(cp1252ToUtf8(bytes));
}

// Static text shows "&x" as an underlined x unless SS_NOPREFIX; a label has no
// key of its own here, so the marker is dropped and "&&" becomes "&".
QString staticText(const DialogItem& item)
{
    const QString text = templateText(item.text);
    if (item.style & SS_NOPREFIX)
        return text;
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

Qt::WindowFlags dialogWindowFlags(const DialogTemplate& t, bool owned)
{
    // WS_EX_APPWINDOW: a window of its own in the task bar; otherwise a dialog that
    // stays with its owner.
    Qt::WindowFlags flags = (t.exStyle & WS_EX_APPWINDOW) || !owned ? Qt::Window : Qt::Dialog;
    flags |= Qt::CustomizeWindowHint;
    if (t.style & WS_CAPTION)
        flags |= Qt::WindowTitleHint;
    if (t.style & WS_SYSMENU)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    return flags;
}

}  // namespace

bool DialogControl::isTabStop() const
{
    return (item->style & WS_TABSTOP) && widget->isVisible() && widget->isEnabled();
}

void DialogControl::focus(Qt::FocusReason reason) const
{
    widget->setFocus(reason);
    if (auto* edit = dynamic_cast<FieldEdit*>(widget))
        edit->selectAll();
}

DialogWindow::DialogWindow(CDialog& dialog, const DialogTemplate& t, QWidget* owner)
    : QWidget(owner, dialogWindowFlags(t, owner != nullptr)),
      m_dialog(dialog),
      m_template(t),
      m_units(dialogBaseUnits(dialogFont(t.fontName, t.pointSize)))
{
    setFont(dialogFont(t.fontName, t.pointSize));
    setWindowTitle(templateText(t.caption));
    // A modal frame: the user cannot resize the window.
    setFixedSize(m_units.toPixelsX(t.cx), m_units.toPixelsY(t.cy));

    auto* keyboard = new DialogKeyboard(*this);
    installEventFilter(keyboard);
    m_controls.reserve(t.items.size());
    for (const DialogItem& item : t.items) {
        QWidget* w = makeControl(item);
        w->setGeometry(m_units.toPixels(item.x, item.y, item.cx, item.cy));
        // An icon static takes the size of its icon, whatever the template says.
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->pixmap().isNull())
            label->resize(label->pixmap().size());
        w->installEventFilter(keyboard);
        m_controls.push_back({w, &item});
    }
    if (t.style & WS_SYSMENU)
        new SystemMenu(this, [this](unsigned id) { m_dialog.DeliverMessage(WM_SYSCOMMAND, id); });
}

QWidget* DialogWindow::makeControl(const DialogItem& item)
{
    // Tab stops take the focus from the keyboard and the mouse, other controls that can
    // hold the focus only from the mouse; statics and group boxes never.
    const Qt::FocusPolicy focus = item.style & WS_TABSTOP ? Qt::StrongFocus : Qt::ClickFocus;
    QWidget* w = nullptr;
    switch (item.controlClass) {
    case ControlClass::Edit: {
        auto* edit = new FieldEdit(this);
        edit->setFrame(item.style & WS_BORDER);
        edit->setProgramText(templateText(item.text));
        edit->setFocusPolicy(focus);
        w = edit;
        break;
    }
    case ControlClass::Button:
        if ((item.style & BS_TYPEMASK) == BS_GROUPBOX) {
            w = new QGroupBox(staticText(item), this);
            w->setFocusPolicy(Qt::NoFocus);
        } else {
            auto* button = new QPushButton(templateText(item.text), this);
            // Enter is the dialog's key, not the button's (see DialogKeyboard).
            button->setAutoDefault(false);
            button->setDefault((item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
            button->setFocusPolicy(focus);
            const int id = item.id;
            QObject::connect(button, &QPushButton::clicked, this,
                             [this, id] { m_dialog.DeliverMessage(WM_COMMAND, static_cast<unsigned>(id)); });
            w = button;
        }
        break;
    case ControlClass::Static: {
        auto* label = new QLabel(this);
        if ((item.style & SS_TYPEMASK) == SS_ICON) {
            // An icon static shows the icon at the standard icon size.
            label->setPixmap(AfxLoadIcon(item.imageId).pixmap(kStandardIconSize, kStandardIconSize));
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        } else {
            label->setText(staticText(item));
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setWordWrap(true);
        }
        label->setFocusPolicy(Qt::NoFocus);
        w = label;
        break;
    }
    }
    setControlId(w, item.id);
    return w;
}

int DialogWindow::defaultCommandId() const
{
    for (const DialogControl& c : m_controls) {
        if (c.item->controlClass == ControlClass::Button && (c.item->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            return c.item->id;
    }
    return IDOK;
}

void DialogWindow::closeEvent(QCloseEvent* event)
{
    // The close box, Alt+F4 through the window manager, or a program's close():
    // the system command SC_CLOSE, whose default processing ends the dialog.
    event->ignore();
    m_dialog.DeliverMessage(WM_SYSCOMMAND, SC_CLOSE);
}

void DialogWindow::paintEvent(QPaintEvent* event)
{
    m_dialog.DeliverMessage(WM_PAINT);
    QWidget::paintEvent(event);
}
