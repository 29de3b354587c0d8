// Loaded with LD_PRELOAD into a Qt program: once a top-level window is shown and exposed
// and the event loop is about to wait for input, writes the monotonic time and the peak
// resident memory to the descriptor in BREVANT_PROBE_FD and ends the process.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCoreApplication>
#include <QWidget>
#include <QWindow>

#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

long peakResidentKiB() {
    std::FILE* f = std::fopen("/proc/self/status", "r");
    if (!f) return -1;
    char line[256];
    long kib = -1;
    while (std::fgets(line, sizeof line, f))
        if (std::strncmp(line, "VmHWM:", 6) == 0) kib = std::atol(line + 6);
    std::fclose(f);
    return kib;
}

bool windowShownAndExposed() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowHandle() && w->windowHandle()->isExposed()) return true;
    return false;
}

void report(int fd) {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    char text[96];
    const int n = std::snprintf(text, sizeof text, "%lld %ld\n",
                                static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                                peakResidentKiB());
    if (::write(fd, text, static_cast<size_t>(n)) != n) ::_exit(3);
    ::_exit(0);   // nothing after this point is measured
}

void installProbe() {
    const char* fdText = std::getenv("BREVANT_PROBE_FD");
    if (!fdText) return;
    const int fd = std::atoi(fdText);
    auto watch = [fd] {
        QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                         [fd] {
                             if (windowShownAndExposed()) report(fd);
                         });
    };
    if (QAbstractEventDispatcher::instance())
        watch();
    else
        QMetaObject::invokeMethod(QCoreApplication::instance(), watch, Qt::QueuedConnection);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
