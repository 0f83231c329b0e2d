#include "QuoteBench.h"

#include "BenchCommon.h"

#include "app/MainWindow.h"
#include "drive/ScriptedPlatform.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace kelvane::bench {

namespace {

constexpr std::size_t kItems = 10'000;

template <typename Control> Control& child(QWidget& window, const char* name) {
    auto* control = window.findChild<Control*>(QString::fromLatin1(name));
    if (!control)
        throw std::runtime_error(std::string("no control ") + name);
    return *control;
}

} // namespace

QuoteFigures MeasureQuote(const std::string& programDir, const std::string& folder, int runs) {
    const std::string listPath = folder + "/list.csv";
    {
        std::ofstream list(listPath, std::ios::binary);
        list << "shape,diameter,length,quantity,material\n";
        for (std::size_t i = 1; i < kItems; ++i)
            list << "round," << 10 + i % 300 << "," << 500 + i % 2500 << "," << 1 + i % 9 << ",\n";
    }
    ScriptedPlatform platform(Separators{".", ","}, programDir);
    MainWindow window(platform, platform);
    window.startUp();
    window.show();
    // The pages with a tab are made once the window has painted.
    if (!QTest::qWaitForWindowExposed(&window))
        throw std::runtime_error("the main window was never shown");
    QApplication::processEvents();
    platform.queueFile(listPath);
    child<QPushButton>(window, "QuoteOpenBtn").click();
    auto& count = child<QLabel>(window, "QuoteCountLabel");
    if (count.text() != QStringLiteral("9999 items"))
        throw std::runtime_error("the list of 9,999 items did not open: " +
                                 count.text().toStdString());
    child<QLineEdit>(window, "RDiaEdit").setText(QStringLiteral("50"));
    child<QLineEdit>(window, "RLengthEdit").setText(QStringLiteral("3000"));
    child<QLineEdit>(window, "RQtyEdit").setText(QStringLiteral("4"));
    auto& add = child<QPushButton>(window, "RAddBtn");
    auto& table = child<QTableWidget>(window, "QuoteTable");
    QApplication::processEvents();

    QuoteFigures figures;
    for (int run = 0; run < runs; ++run) {
        const std::int64_t start = MonotonicNanoseconds();
        add.click();
        const std::int64_t added = MonotonicNanoseconds();
        QApplication::processEvents();
        const std::int64_t idle = MonotonicNanoseconds();
        if (count.text() != QStringLiteral("10000 items") || table.rowCount() != kItems)
            throw std::runtime_error("the 10,000th item was not added");
        platform.queueFile(folder + "/saved.csv");
        const std::int64_t saveStart = MonotonicNanoseconds();
        child<QPushButton>(window, "QuoteSaveBtn").click();
        const std::int64_t saved = MonotonicNanoseconds();
        figures.addMs.push_back(static_cast<double>(added - start) / 1e6);
        figures.idleMs.push_back(static_cast<double>(idle - start) / 1e6);
        figures.saveMs.push_back(static_cast<double>(saved - saveStart) / 1e6);
        table.setCurrentCell(static_cast<int>(kItems) - 1, 0);
        child<QPushButton>(window, "QuoteRemoveBtn").click();
        QApplication::processEvents();
    }
    for (const PlatformEvent& event : platform.takeEvents())
        if (event.type == "error")
            throw std::runtime_error("an error box: " + event.text);
    return figures;
}

void PrintQuote(const QuoteFigures& figures) {
    std::printf("\nThe quote list at 10,000 items, %zu runs, in milliseconds\n",
                figures.addMs.size());
    std::printf("%-42s %8s %8s %8s\n", "", "median", "min", "max");
    for (const auto& [label, values] :
         {std::pair{"add the 10,000th item, table and total", &figures.addMs},
          std::pair{"the same, to the window idle again", &figures.idleMs},
          std::pair{"save the 10,000 items", &figures.saveMs}}) {
        std::printf("%-42s %8.2f %8.2f %8.2f\n", label, Median(*values),
                    *std::min_element(values->begin(), values->end()),
                    *std::max_element(values->begin(), values->end()));
    }
}

} // namespace kelvane::bench
