#include "app/MainWindow.h"
#include "platform/QtPlatform.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt would stop with a long plugin error; say what to do instead.
bool displayAvailable() {
#ifdef _WIN32
    return true; // a Windows desktop always has its display
#endif
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform)
        return true;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

} // namespace

int main(int argc, char* argv[]) {
    if (!displayAvailable()) {
        // The hint names the program as it was started, so it works when pasted back.
        const char* program = argc > 0 && argv[0] && *argv[0] ? argv[0] : "kelvane";
        std::fprintf(stderr,
                     "kelvane: no graphical display found; run it under a virtual display "
                     "with 'xvfb-run -a %s'.\n",
                     program);
        return EXIT_FAILURE;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    kelvane::QtPlatform platform;
    kelvane::MainWindow window(platform, platform);
    window.startUp();
    window.show();
    return QApplication::exec();
}
