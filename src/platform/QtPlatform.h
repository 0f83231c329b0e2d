#pragma once

#include "platform/Platform.h"
#include "platform/PrinterSetup.h"

namespace kelvane {

// The desktop as Qt gives it: message boxes, the system clipboard, the desktop
// shell's default handlers, the system locale's separators and the system's print dialog.
class QtPlatform final : public Platform, public PrinterSetup {
public:
    void showError(const std::string& text) override;
    bool confirm(const std::string& title, const std::string& question) override;
    std::string chooseFile(bool save, const std::string& title, const std::string& filter) override;
    void setClipboardText(const std::string& text) override;
    bool openLink(const std::string& link) override;
    Separators separators() const override;
    std::string programDir() const override;
    std::string userDataDir() const override;
    bool choosePrinter(QPrinter& printer, QWidget* parent) override;
    std::vector<std::string> preferredLanguages() const override;
};

} // namespace kelvane
