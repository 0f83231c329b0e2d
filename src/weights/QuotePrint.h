#pragma once

#include "weights/QuotePrintout.h"

#include <string>
#include <vector>

class QPagedPaintDevice;

namespace kelvane {

// Paints the pages of a quote on a paged device (a PDF file or a printer) set up for
// A4 portrait: the heading and page number, the column captions, the items and, on
// the last page, the total and the item count.
void paintQuote(QPagedPaintDevice& device, const std::vector<QuotePrintPage>& pages);

// Writes the pages as an A4 PDF file. Throws kelvane::Error
// "Cannot create file "<path>"" when the file cannot be written.
void exportQuotePdf(const std::string& path, const std::vector<QuotePrintPage>& pages);

} // namespace kelvane
