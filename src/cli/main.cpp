// kelvane-calc: Kelvane's calculators on the command line.

#include "cli/CalcProgram.h"
#include "common/FilePath.h"

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#ifdef _WIN32
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#endif

namespace {

// The folder of the running program, with a trailing "/".
std::string programDir(const char* argv0) {
#ifdef _WIN32
    (void)argv0;
    std::wstring self(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, self.data(), DWORD(self.size()));
        if (length < self.size()) {
            self.resize(length);
            break;
        }
        self.resize(self.size() * 2);
    }
    return kelvane::utf8FromPath(std::filesystem::path(self).parent_path()) + "/";
#else
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        self = std::filesystem::absolute(argv0, error);
    return self.parent_path().string() + "/";
#endif
}

// The user's data folder as the desktop names it: the roaming application data on
// Windows; elsewhere $XDG_DATA_HOME, else ~/.local/share.
std::string userDataDir() {
#ifdef _WIN32
    if (const wchar_t* appData = _wgetenv(L"APPDATA"); appData && *appData)
        return kelvane::utf8FromPath(std::filesystem::path(appData));
    return {};
#else
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return xdg;
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::string(home) + "/.local/share";
    return {};
#endif
}

// The command's arguments as UTF-8 text. Windows hands main() its arguments in the
// ANSI code page, which cannot hold every file name; the wide command line can.
std::vector<std::string> commandArguments(int argc, char** argv) {
#ifdef _WIN32
    int count = 0;
    if (LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        std::vector<std::string> arguments;
        for (int i = 1; i < count; ++i)
            arguments.push_back(kelvane::utf8FromPath(std::filesystem::path(wide[i])));
        LocalFree(wide);
        return arguments;
    }
#endif
    return std::vector<std::string>(argv + 1, argv + argc);
}

// The regional separators of the user's locale, read once here and handed on.
kelvane::Separators regionalSeparators() {
    kelvane::Separators separators;
    if (std::setlocale(LC_NUMERIC, "")) {
        const std::lconv* conventions = std::localeconv();
        if (conventions->decimal_point && *conventions->decimal_point)
            separators.decimal = conventions->decimal_point;
        separators.thousands = conventions->thousands_sep ? conventions->thousands_sep : "";
    }
    std::setlocale(LC_NUMERIC, "C");
    return separators;
}

// Standard input and output carry bytes: a batch's rows and the line breaks inside its
// quoted fields come out exactly as read, every line ends in LF alone as on Linux, and
// a byte 26 in the input is data. Windows opens them in text mode, which would turn
// each LF written into CR LF and a CR LF read into LF, and end the input at byte 26.
// Standard error keeps the console's own line ends.
void useBinaryStandardStreams() {
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
}

} // namespace

int main(int argc, char** argv) {
    useBinaryStandardStreams();
    std::ios::sync_with_stdio(false);
    const kelvane::CalcEnvironment environment{programDir(argv[0]), userDataDir(),
                                               regionalSeparators()};
    const std::vector<std::string> arguments = commandArguments(argc, argv);
    const int status = kelvane::runCalc(arguments, environment, std::cin, std::cout, std::cerr);
    std::cout.flush();
    return status;
}
