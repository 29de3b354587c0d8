// The Qt window of a dialog: its controls made from the template, the window
// system's close request turned into the system command, and the dialog keys.
#pragma once

#include <QWidget>

#include <vector>

#include "DialogTemplate.h"
#include "DialogUnits.h"

class CDialog;

struct DialogControl {
    QWidget* widget;
    const DialogItem* item;

    // A tab stop that can take the focus now.
    bool isTabStop() const;
    // Gives the control the focus as the dialog keys do: an edit field's text is selected.
    void focus(Qt::FocusReason reason) const;
};

class DialogWindow : public QWidget {
public:
    DialogWindow(CDialog& dialog, const DialogTemplate& t, QWidget* owner);

    // In template order: the z order and the tab order.
    const std::vector<DialogControl>& controls() const { return m_controls; }
    const DialogBaseUnits& baseUnits() const { return m_units; }
    CDialog& dialog() const { return m_dialog; }

    // The command Enter gives outside a button: the default push button's id, else IDOK.
    int defaultCommandId() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* makeControl(const DialogItem& item);

    CDialog& m_dialog;
    const DialogTemplate& m_template;
    DialogBaseUnits m_units;
    std::vector<DialogControl> m_controls;
};
