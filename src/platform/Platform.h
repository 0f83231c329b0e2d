#pragma once

#include "common/Separators.h"

#include <string>
#include <vector>

namespace kelvane {

// Everything the program asks of the desktop, behind one small interface: the
// program uses a Qt-backed implementation, the driver and the tests a scripted one
// that records what happened and never blocks.
class Platform {
public:
    virtual ~Platform() = default;

    // The general error report: a message box titled "Kelvane" with a stop icon and
    // an OK button, showing the text with the full-stop rule applied.
    virtual void showError(const std::string& text) = 0;
    // A Yes/No question with a question-mark icon, "&Yes" the default button; Escape
    // and the close button answer No. Returns true for Yes.
    virtual bool confirm(const std::string& title, const std::string& question) = 0;
    // Asks for a file to save to (`save`) or to open, with a title and a filter such as
    // "CSV files (*.csv)". Returns its UTF-8 path, or an empty text when the user cancels.
    virtual std::string chooseFile(bool save, const std::string& title,
                                   const std::string& filter) = 0;
    // Replaces the clipboard's contents with plain text.
    virtual void setClipboardText(const std::string& text) = 0;
    // Hands a web or e-mail link to the desktop's default handler; false when refused.
    virtual bool openLink(const std::string& link) = 0;
    // The user's regional decimal and thousands separators.
    virtual Separators separators() const = 0;
    // The folder of the running program, with a trailing "/".
    virtual std::string programDir() const = 0;
    // The user's own data folder (the XDG data home; on Windows the roaming
    // application data), where an installed copy keeps the favourite; empty where
    // there is none.
    virtual std::string userDataDir() const = 0;
    // The user's preferred languages for the window, most preferred first, as
    // language tags ("de-DE", "en").
    virtual std::vector<std::string> preferredLanguages() const = 0;
};

} // namespace kelvane
