#include "ModalTestSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "Dialog.h"

bool waitFor(const std::function<bool()>& condition)
{
    // A safety limit only, so that a failing test ends instead of hanging.
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > 10000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

int runModal(CDialog& dialog, const std::function<void()>& script)
{
    QTimer::singleShot(0, [&dialog, &script] {
        QWidget* w = dialog.GetSafeHwnd();
        if (w && QTest::qWaitForWindowActive(w))
            script();
        if (dialog.GetSafeHwnd() && dialog.GetSafeHwnd()->isVisible())
            dialog.EndDialog(kLeftOpen);
    });
    return dialog.DoModal();
}

namespace {
template <class T>
void handleNextModal(std::function<void(T&)> handle)
{
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, handle] {
        T* widget = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!widget || !widget->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        handle(*widget);
    });
    poll->start();
}
}  // namespace

void handleNextMessageBox(std::function<void(QMessageBox&)> handle)
{
    handleNextModal<QMessageBox>(std::move(handle));
}

void handleNextFileDialog(std::function<void(QFileDialog&)> handle)
{
    handleNextModal<QFileDialog>(std::move(handle));
}

void pressFirstButton(QMessageBox& box)
{
    box.buttons().front()->click();
}

RecordingBoxes::RecordingBoxes(int answer) : m_answer(answer), m_previous(setMessageBoxPresenter(this)) {}

RecordingBoxes::~RecordingBoxes()
{
    setMessageBoxPresenter(m_previous);
}

int RecordingBoxes::show(const MessageBoxRequest& r)
{
    boxes.push_back({r.text, r.caption, r.type, r.owner});
    if (onShow)
        onShow(r);
    return m_answer;
}

ScriptedChooser::ScriptedChooser(std::vector<std::optional<std::string>> choices)
    : m_choices(std::move(choices)), m_previous(setFileChooser(this))
{
}

ScriptedChooser::~ScriptedChooser()
{
    setFileChooser(m_previous);
}

std::optional<std::string> ScriptedChooser::choose(const FileDialogRequest& request)
{
    requests.push_back(request);
    if (m_choices.empty())
        return std::nullopt;
    std::optional<std::string> choice = m_choices.front();
    m_choices.erase(m_choices.begin());
    return choice;
}

void closeAllTopLevels()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            w->close();
    }
    QCoreApplication::processEvents();
}
