// The one Qt application of a test process, offscreen. It is never destroyed: tearing Qt
// down among the process's exit handlers crashes, and nothing needs it afterwards.
#pragma once

#include <QApplication>

inline QApplication& qtTestApp() {
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "brevant-test";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    return *app;
}
