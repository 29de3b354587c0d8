// The dialog keys, applied to every key meant for a dialog or one of its controls
// before the control sees it: Tab and Shift+Tab in template order, Enter, Escape,
// Alt+access key, Alt+F4 and F1.
#pragma once

#include <QObject>

class DialogWindow;
class QKeyEvent;
class QWidget;

class DialogKeyboard : public QObject {
public:
    explicit DialogKeyboard(DialogWindow& window);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Whether the key is one of the dialog's; acting on it only when `act`.
    bool handleKey(const QKeyEvent& key, bool act);
    void moveFocus(bool forward);
    QWidget* mnemonicButton(int key) const;

    DialogWindow& m_window;
};
