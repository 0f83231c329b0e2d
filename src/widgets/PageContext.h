#pragma once

#include "common/Separators.h"
#include "common/Units.h"

#include <QString>

#include <functional>

namespace kelvane {

class MaterialState;
class Platform;
class PrinterSetup;
class QuoteBook;

// What a page is made with: the desktop, the regional separators read once at
// start-up, the material in use, and the few window settings single pages need.
struct PageContext {
    Platform& platform;
    Separators separators;
    const MaterialState& materials;
    QString windowCaption;             // the calculator's tape opens with it
    int fractionResolution = 32;       // the Options > Fractions choice: 32 or 64
    int firstPageWidth = 0;            // a page's width at the window's first size
    std::function<void()> closeWindow; // the calculator's way to end the program
    QuoteBook* quote = nullptr;        // the quote list the weight pages add to
    PrinterSetup* printers = nullptr;  // the print dialog, for the Quote page
    Units units = Units::Metric;       // the Options > Units choice
};

} // namespace kelvane
