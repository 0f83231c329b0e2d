// The keystroke figures of kelvane-bench: keys typed into the Round page of the real
// main window through the window system's key path, each timed until the weight
// labels show the new figures.

#include "KeystrokeBench.h"

#include "BenchCommon.h"

#include "app/MainWindow.h"
#include "drive/ScriptedPlatform.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <stdexcept>
#include <utility>

namespace kelvane::bench {

// Types into the Round page's diameter box through the window system's key path
// (shortcut override, the window's key preview, the box's key filter), the way a
// user's keys arrive, and times each key until the three weight labels show the
// new figures. Keys alternate between typing "987" and erasing it: every key
// changes the diameter (9, 98, 987 mm and back to none) enough to change every
// label's two-decimal figure.
KeystrokeFigures MeasureKeystrokes(const std::string& programDir, int keystrokes) {
    kelvane::ScriptedPlatform platform(kelvane::Separators{".", ","}, programDir);
    kelvane::MainWindow window(platform, platform);
    window.startUp();
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowExposed(&window))
        throw std::runtime_error("the main window was never shown");
    auto* diameter = window.findChild<QLineEdit*>(QStringLiteral("RDiaEdit"));
    window.findChild<QLineEdit*>(QStringLiteral("RLengthEdit"))->setText(QStringLiteral("1000"));
    window.findChild<QLineEdit*>(QStringLiteral("RQtyEdit"))->setText(QStringLiteral("3"));
    const QLabel* labels[] = {window.findChild<QLabel*>(QStringLiteral("RKGMLabel")),
                              window.findChild<QLabel*>(QStringLiteral("RKGBarLabel")),
                              window.findChild<QLabel*>(QStringLiteral("RKGQtyLabel"))};
    diameter->setFocus();
    QApplication::processEvents();
    if (QApplication::focusWidget() != diameter)
        throw std::runtime_error("the diameter box did not take the focus");
    QWindow* handle = window.windowHandle();

    const auto labelTexts = [&] {
        QString texts;
        for (const QLabel* label : labels)
            texts += label->text() + QLatin1Char('|');
        return texts;
    };
    struct Key {
        Qt::Key code;
        const char* text;
    };
    static constexpr Key kCycle[] = {{Qt::Key_9, "9"},          {Qt::Key_8, "8"},
                                     {Qt::Key_7, "7"},          {Qt::Key_Backspace, "\b"},
                                     {Qt::Key_Backspace, "\b"}, {Qt::Key_Backspace, "\b"}};
    constexpr int kWarmUp = 120;
    KeystrokeFigures figures;
    QString before = labelTexts();
    for (int i = 0; i < kWarmUp + keystrokes; ++i) {
        const Key& key = kCycle[i % std::size(kCycle)];
        const QString text = QString::fromLatin1(key.text);
        const std::int64_t start = MonotonicNanoseconds();
        qt_handleKeyEvent(handle, QEvent::KeyPress, key.code, Qt::NoModifier, text);
        const QString after = labelTexts();
        const std::int64_t updated = MonotonicNanoseconds();
        QApplication::processEvents(); // the labels' repaint
        const std::int64_t painted = MonotonicNanoseconds();
        qt_handleKeyEvent(handle, QEvent::KeyRelease, key.code, Qt::NoModifier, text);
        QApplication::processEvents();
        if (i < kWarmUp) {
            before = after;
            continue;
        }
        figures.toText.push_back(static_cast<double>(updated - start) / 1e3);
        figures.toPainted.push_back(static_cast<double>(painted - start) / 1e3);
        figures.unchanged += after == before ? 1 : 0;
        before = after;
    }
    return figures;
}

void PrintKeystrokes(const KeystrokeFigures& figures) {
    std::printf("\nKeystroke in RDiaEdit to updated weight labels, %zu keys, in microseconds\n",
                figures.toText.size());
    std::printf("%-30s %8s %8s %8s %8s %8s\n", "", "median", "p90", "p99", "min", "max");
    for (const auto& [label, values] : {std::pair{"labels' text updated", &figures.toText},
                                        std::pair{"labels repainted", &figures.toPainted}}) {
        std::printf("%-30s %8.1f %8.1f %8.1f %8.1f %8.1f\n", label, Median(*values),
                    Percentile(*values, 0.9), Percentile(*values, 0.99),
                    *std::min_element(values->begin(), values->end()),
                    *std::max_element(values->begin(), values->end()));
    }
    if (figures.unchanged)
        std::printf("warning: %d keys left the labels unchanged\n", figures.unchanged);
}

} // namespace kelvane::bench
