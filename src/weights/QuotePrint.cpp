#include "weights/QuotePrint.h"

#include "common/KelvaneError.h"
#include "common/TextMark.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace kelvane {

namespace {

// The columns' share of the page's width, in the list's order: the description takes
// what the figures leave.
constexpr double kColumnShares[] = {0.48, 0.12, 0.20, 0.20};
// The lines a page holds: the items, and above them the heading, a gap and the
// captions, and below them a gap, the total and the count.
constexpr int kLinesPerPage = static_cast<int>(kQuoteItemsPerPage) + 6;

void paintRow(QPainter& painter, const std::array<std::string, 4>& cells, double top,
              double lineHeight, double width) {
    double left = 0;
    for (std::size_t column = 0; column < cells.size(); ++column) {
        const double cellWidth = width * kColumnShares[column];
        const QRectF box(left, top, cellWidth - lineHeight / 2, lineHeight);
        const Qt::Alignment alignment =
            (column == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
        const QString text = QString::fromStdString(cells[column]);
        painter.drawText(
            box, alignment,
            painter.fontMetrics().elidedText(text, Qt::ElideRight, static_cast<int>(box.width())));
        left += cellWidth;
    }
}

} // namespace

void paintQuote(QPagedPaintDevice& device, const std::vector<QuotePrintPage>& pages) {
    QPainter painter;
    if (!painter.begin(&device))
        throw Error(KELVANE_TEXT("Kelvane", "Cannot print the quote"));
    // The painter's units are the page's printable area in device pixels.
    const QRect area = painter.viewport();
    const double width = area.width();
    const double lineHeight = static_cast<double>(area.height()) / kLinesPerPage;
    QFont plain = painter.font();
    plain.setPixelSize(std::max(1, static_cast<int>(lineHeight * 0.55)));
    QFont bold = plain;
    bold.setBold(true);

    for (std::size_t index = 0; index < pages.size(); ++index) {
        const QuotePrintPage& page = pages[index];
        if (index > 0)
            device.newPage();
        painter.setFont(bold);
        const QRectF headingLine(0, 0, width, lineHeight);
        painter.drawText(headingLine, Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromStdString(page.heading));
        painter.setFont(plain);
        painter.drawText(headingLine, Qt::AlignRight | Qt::AlignVCenter,
                         QString::fromStdString(page.pageNumber));
        double top = 2 * lineHeight;
        painter.setFont(bold);
        paintRow(painter, page.captions, top, lineHeight, width);
        top += lineHeight;
        painter.drawLine(QPointF(0, top), QPointF(width, top));
        painter.setFont(plain);
        for (const auto& row : page.rows) {
            paintRow(painter, row, top, lineHeight, width);
            top += lineHeight;
        }
        if (page.total.empty())
            continue;
        painter.drawLine(QPointF(0, top), QPointF(width, top));
        top += lineHeight;
        painter.setFont(bold);
        painter.drawText(QRectF(0, top, width, lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromStdString(page.total));
        painter.setFont(plain);
        painter.drawText(QRectF(0, top + lineHeight, width, lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(page.count));
    }
    painter.end();
}

void exportQuotePdf(const std::string& path, const std::vector<QuotePrintPage>& pages) {
    QPdfWriter writer(QString::fromStdString(path));
    writer.setTitle(QStringLiteral("Quote"));
    writer.setCreator(QStringLiteral("Kelvane"));
    writer.setResolution(300);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    try {
        paintQuote(writer, pages);
    } catch (const Error&) {
        throw Error("Cannot create file \"" + path + "\"");
    }
}

} // namespace kelvane
