#pragma once

#include "platform/Platform.h"
#include "platform/PrinterSetup.h"

#include <deque>
#include <string>
#include <vector>

namespace kelvane {

// What the program did through the desktop during a scripted command.
struct PlatformEvent {
    std::string type; // "error", "confirm", "clipboard", "open", "file", "print"
    std::string title;
    std::string text;
    std::string answer; // "yes" or "no" for a confirmation
    std::string link;
    std::string result; // "ok" or "failed" for a link
};

// The desktop for scripts and tests: message boxes are recorded and answered from a
// queue instead of waiting for a person, the clipboard is a string, and the shell
// accepts or refuses links as told. The print dialog prints to the PDF file queued as
// the next file dialog's answer.
class ScriptedPlatform final : public Platform, public PrinterSetup {
public:
    ScriptedPlatform(Separators separators, std::string programDir, std::string userDataDir = {});

    void showError(const std::string& text) override;
    bool confirm(const std::string& title, const std::string& question) override;
    std::string chooseFile(bool save, const std::string& title, const std::string& filter) override;
    void setClipboardText(const std::string& text) override;
    bool openLink(const std::string& link) override;
    Separators separators() const override { return separators_; }
    std::string programDir() const override { return programDir_; }
    std::string userDataDir() const override { return userDataDir_; }
    bool choosePrinter(QPrinter& printer, QWidget* parent) override;
    // English unless the script chose another language.
    std::vector<std::string> preferredLanguages() const override { return {language_}; }
    void setLanguage(std::string code) { language_ = std::move(code); }

    void queueAnswer(bool yes) { answers_.push_back(yes); }
    // The next file or print dialog's answer: a path, or an empty text for Cancel.
    void queueFile(std::string path) { files_.push_back(std::move(path)); }
    void setShellAccepts(bool accepts) { shellAccepts_ = accepts; }
    const std::string& clipboard() const { return clipboard_; }
    // The events recorded since the last call, oldest first.
    std::vector<PlatformEvent> takeEvents();

private:
    std::string nextFile();

    Separators separators_;
    std::string programDir_;
    std::string userDataDir_;
    std::deque<bool> answers_;
    std::deque<std::string> files_;
    bool shellAccepts_ = true;
    std::string clipboard_;
    std::vector<PlatformEvent> events_;
    std::string language_ = "en";
};

} // namespace kelvane
