#pragma once

class QPrinter;
class QWidget;

namespace kelvane {

// The system's print dialog, behind an interface of its own (it needs Qt's printer,
// which the desktop interface of the core cannot name): the program shows the real
// dialog, scripts and tests answer it with a PDF file to print to.
class PrinterSetup {
public:
    virtual ~PrinterSetup() = default;
    // Sets up `printer` as the user chooses; false when the user cancels.
    virtual bool choosePrinter(QPrinter& printer, QWidget* parent) = 0;
};

} // namespace kelvane
