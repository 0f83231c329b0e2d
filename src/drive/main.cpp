// kelvane-drive: runs Kelvane's main window under a script. One JSON command per
// line on standard input, one JSON reply per line on standard output.

#include "drive/DriveSession.h"
#include "drive/QuietOffscreen.h"
#include "drive/StdinLines.h"

#include <QApplication>
#include <QDir>
#include <QStringList>

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
    std::string language = "en"; // the window's language: English unless asked
};

[[noreturn]] void usage() {
    std::fputs("usage: kelvane-drive [--program-dir DIR] [--user-data-dir DIR] "
               "[--decimal-separator C] [--thousands-separator C] [--language CODE]\n",
               stderr);
    std::exit(2);
}

// The arguments as Qt gives them: UTF-8 text on every system (on Windows taken from
// the wide command line, so folders such as "C:\Users\Zoë" arrive whole).
Options readOptions(const QStringList& arguments) {
    Options options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const std::string option = arguments[i].toStdString();
        if (i + 1 >= arguments.size())
            usage();
        const std::string value = arguments[++i].toStdString();
        const std::string folder = QDir::fromNativeSeparators(arguments[i]).toStdString();
        if (option == "--program-dir")
            options.programDir = folder.empty() || folder.back() == '/' ? folder : folder + "/";
        else if (option == "--user-data-dir")
            options.userDataDir = folder;
        else if (option == "--decimal-separator")
            options.separators.decimal = value;
        else if (option == "--thousands-separator")
            options.separators.thousands = value;
        else if (option == "--language")
            options.language = value;
        else
            usage();
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
    QApplication application(argc, argv);
    const Options options = readOptions(QCoreApplication::arguments());
    kelvane::installQuietOffscreenMessages();
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    QApplication::setQuitOnLastWindowClosed(false);

    const std::string programDir = options.programDir.empty()
                                       ? QCoreApplication::applicationDirPath().toStdString() + "/"
                                       : options.programDir;
    kelvane::DriveSession session(options.separators, programDir, options.userDataDir);
    session.platform().setLanguage(options.language);

    const auto reply = [&session](const QByteArray& line) {
        const QByteArray text = session.handleLine(line) + '\n';
        std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout);
        std::fflush(stdout);
    };
    kelvane::StdinLines input(reply, &QCoreApplication::quit);
    input.start();
    return QApplication::exec();
}
