// kelvane-drive: runs Kelvane's main window under a script. One JSON command per
// line on standard input, one JSON reply per line on standard output.

#include "drive/DriveSession.h"
#include "drive/QuietOffscreen.h"
#include "drive/StdinLines.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

struct Options {
    std::string programDir;
    std::string userDataDir;
    kelvane::Separators separators;
};

[[noreturn]] void Usage() {
    std::fputs("usage: kelvane-drive [--program-dir DIR] [--user-data-dir DIR] "
               "[--decimal-separator C] [--thousands-separator C]\n",
               stderr);
    std::exit(2);
}

Options ReadOptions(int argc, char* argv[]) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc)
            Usage();
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
            Usage();
    }
    return options;
}

} // namespace

int main(int argc, char* argv[]) {
    // Headless unless the caller asks for a real display.
    if (!std::getenv("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef _WIN32
    // Replies end in LF alone, as on every other system.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const Options options = ReadOptions(argc, argv);
    QApplication application(argc, argv);
    kelvane::InstallQuietOffscreenMessages();
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    QApplication::setQuitOnLastWindowClosed(false);

    const std::string programDir = options.programDir.empty()
                                       ? QCoreApplication::applicationDirPath().toStdString() + "/"
                                       : options.programDir;
    kelvane::DriveSession session(options.separators, programDir, options.userDataDir);

    const auto reply = [&session](const QByteArray& line) {
        const QByteArray text = session.handleLine(line) + '\n';
        std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout);
        std::fflush(stdout);
    };
    kelvane::StdinLines input(reply, &QCoreApplication::quit);
    input.start();
    return QApplication::exec();
}
