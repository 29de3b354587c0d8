// The floor for the editor's start: a bare Qt dialog with the editor's 20 widgets
// (8 edit fields, 3 push buttons, 8 labels, 1 group box) at the same places.
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Dialog units to pixels with a plain factor; the exact font metrics do not matter here.
QRect du(int x, int y, int w, int h) { return QRect(x * 3 / 2, y * 2, w * 3 / 2, h * 2); }

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle("Orvo Config");
    dialog.setFixedSize(du(0, 0, 320, 212).size());
    auto edit = [&](QRect r) { (new QLineEdit(&dialog))->setGeometry(r); };
    auto button = [&](const char* text, QRect r) { (new QPushButton(text, &dialog))->setGeometry(r); };
    auto label = [&](const char* text, QRect r) { (new QLabel(text, &dialog))->setGeometry(r); };
    edit(du(64, 20, 176, 14));
    edit(du(64, 46, 176, 14));
    button("&Open", du(243, 20, 34, 14));
    button("Save as...", du(244, 46, 50, 14));
    button("Exit", du(132, 186, 50, 14));
    label("Input File", du(15, 23, 41, 8));
    label("Output File", du(16, 48, 45, 8));
    (new QGroupBox("Orvo-Condig", &dialog))->setGeometry(du(22, 79, 274, 102));
    label("Title Name", du(33, 94, 41, 8));
    edit(du(94, 89, 100, 19));
    label("Customer ID", du(36, 116, 45, 8));
    edit(du(94, 114, 61, 14));
    label("Key Addr", du(37, 140, 33, 8));
    edit(du(92, 135, 64, 14));
    label("HW Type", du(169, 115, 29, 8));
    edit(du(209, 111, 65, 14));
    label("Style", du(170, 136, 21, 8));
    edit(du(209, 133, 65, 14));
    label("JPEG Addr", du(38, 162, 37, 8));
    edit(du(93, 156, 65, 17));
    return dialog.exec();
}
