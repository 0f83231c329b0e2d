// kelvane-drive: runs Kelvane's main window under a script. One JSON command per
// line on standard input, one JSON reply per line on standard output.

#include "drive/DriveSession.h"
#include "drive/QuietOffscreen.h"

#include <QApplication>
#include <QSocketNotifier>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

struct Options {
    std::string programDir;
    std::string userDataDir;
    kelvane::Separators separators;
};

[[noreturn]] void usage() {
    std::fputs("usage: kelvane-drive [--program-dir DIR] [--user-data-dir DIR] "
               "[--decimal-separator C] [--thousands-separator C]\n",
               stderr);
    std::exit(2);
}

Options readOptions(int argc, char* argv[]) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc)
            usage();
        const std::string value = argv[++i];
        if (option == "--program-dir")
            options.programDir = value.empty() || value.back() == '/' ? value : value + "/";
        else if (option == "--user-data-dir")
            options.userDataDir = value;
        else if (option == "--decimal-separator")
            options.separators.decimal = value;
        else if (option == "--thousands-separator")
            options.separators.thousands = value;
        else
            usage();
    }
    return options;
}

} // namespace

int main(int argc, char* argv[]) {
    // Headless unless the caller asks for a real display.
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const Options options = readOptions(argc, argv);
    QApplication application(argc, argv);
    kelvane::installQuietOffscreenMessages();
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    QApplication::setQuitOnLastWindowClosed(false);

    const std::string programDir = options.programDir.empty()
                                       ? QCoreApplication::applicationDirPath().toStdString() + "/"
                                       : options.programDir;
    kelvane::DriveSession session(options.separators, programDir, options.userDataDir);

    QByteArray pending;
    bool busy = false;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &application, [&] {
        char buffer[4096];
        const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (count > 0)
            pending.append(buffer, count);
        if (busy)
            return; // a command is still running; its caller will take the rest
        busy = true;
        qsizetype end = 0;
        while ((end = pending.indexOf('\n')) >= 0) {
            const QByteArray line = pending.left(end).trimmed();
            pending.remove(0, end + 1);
            if (line.isEmpty())
                continue;
            const QByteArray reply = session.handleLine(line) + '\n';
            std::fwrite(reply.constData(), 1, static_cast<std::size_t>(reply.size()), stdout);
            std::fflush(stdout);
        }
        busy = false;
        if (count <= 0) {
            input.setEnabled(false);
            if (!pending.trimmed().isEmpty()) {
                const QByteArray reply = session.handleLine(pending.trimmed()) + '\n';
                std::fwrite(reply.constData(), 1, static_cast<std::size_t>(reply.size()), stdout);
                std::fflush(stdout);
            }
            QCoreApplication::quit();
        }
    });
    return QApplication::exec();
}
