#include "drive/ScriptedPlatform.h"

#include "common/KelvaneError.h"
#include "platform/ShownText.h"

#include <QPrinter>

namespace kelvane {

ScriptedPlatform::ScriptedPlatform(Separators separators, std::string programDir,
                                   std::string userDataDir)
    : separators_(std::move(separators))
    , programDir_(std::move(programDir))
    , userDataDir_(std::move(userDataDir)) {}

void ScriptedPlatform::showError(const std::string& text) {
    PlatformEvent event;
    event.type = "error";
    event.title = "Kelvane";
    // As the error box shows it: in the language in use, with the full-stop rule.
    event.text = withFullStop(shownText(text).toStdString());
    events_.push_back(event);
}

bool ScriptedPlatform::confirm(const std::string& title, const std::string& question) {
    const bool yes = !answers_.empty() && answers_.front();
    if (!answers_.empty())
        answers_.pop_front();
    PlatformEvent event;
    event.type = "confirm";
    event.title = shownText(title).toStdString();
    event.text = shownText(question).toStdString();
    event.answer = yes ? "yes" : "no";
    events_.push_back(event);
    return yes;
}

std::string ScriptedPlatform::nextFile() {
    std::string path;
    if (!files_.empty()) {
        path = std::move(files_.front());
        files_.pop_front();
    }
    return path;
}

bool ScriptedPlatform::choosePrinter(QPrinter& printer, QWidget*) {
    const std::string path = nextFile();
    PlatformEvent event;
    event.type = "print";
    event.result = path;
    events_.push_back(event);
    if (path.empty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path));
    return true;
}

std::string ScriptedPlatform::chooseFile(bool save, const std::string& title, const std::string&) {
    const std::string path = nextFile();
    PlatformEvent event;
    event.type = "file";
    event.title = shownText(title).toStdString(); // as the dialog shows it
    event.text = save ? "save" : "open";
    event.result = path;
    events_.push_back(event);
    return path;
}

void ScriptedPlatform::setClipboardText(const std::string& text) {
    clipboard_ = text;
    PlatformEvent event;
    event.type = "clipboard";
    event.text = text;
    events_.push_back(event);
}

bool ScriptedPlatform::openLink(const std::string& link) {
    PlatformEvent event;
    event.type = "open";
    event.link = link;
    event.result = shellAccepts_ ? "ok" : "failed";
    events_.push_back(event);
    return shellAccepts_;
}

std::vector<PlatformEvent> ScriptedPlatform::takeEvents() {
    std::vector<PlatformEvent> taken;
    taken.swap(events_);
    return taken;
}

} // namespace kelvane
