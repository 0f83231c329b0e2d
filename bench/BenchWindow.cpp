// kelvane-bench-window: one start of a window, timed from the inside, for the
// benchmark driver. It writes one report line (see BenchCommon.h) and ends.
//
//   kelvane-bench-window main <program folder> [menu]
//       the main window with the density table that the data-folder rule finds from
//       <program folder>; with "menu", the Material menu is also opened once the
//       window answers keys; with "finder", the material finder is opened then; with
//       "editor", Material > Edit Materials… is opened then, one density changed and
//       OK pressed
//   kelvane-bench-window bare <width> <height>
//       a plain QWidget of that size, the baseline
//   kelvane-bench-window label <width> <height>
//       the same with one line of text in it: what showing any text costs
//
// Report fields, monotonic nanoseconds: app (QApplication made), window (window
// constructed), created (start-up sequence done), paint (first paint of the window
// completed), usable (a key typed into the diameter box after the first paint has
// updated the weight labels), menu (the Material menu painted, with "menu"),
// finderasked and finder (the finder asked for and painted, with "finder"),
// editorasked and editor (the table box asked for and painted), saveasked and saved
// (OK pressed, and the table saved and put in use, with "editor"). Other
// fields: width, height, materials, errors, menuentries.

#include "BenchCommon.h"

#include "app/MainWindow.h"
#include "drive/QuietOffscreen.h"
#include "drive/ScriptedPlatform.h"
#include "materials/MaterialState.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <utility>

namespace {

using kelvane::bench::MonotonicNanoseconds;

// Sees every event the program dispatches. A paint is complete when the outermost
// dispatch in which the watched widget received its paint event has returned: by
// then every child has painted too and the backing store has been flushed.
class TimingApplication final : public QApplication {
public:
    using QApplication::QApplication;

    // Calls `done` once, after the first completed paint of `widget`.
    void onFirstPaint(QWidget* widget, std::function<void()> done) {
        watched_ = widget;
        watchedPainted_ = false;
        paintDone_ = std::move(done);
    }
    // Calls `done` once, after `receiver` has handled an event of `type`.
    void onHandled(QObject* receiver, QEvent::Type type, std::function<void()> done) {
        handledReceiver_ = receiver;
        handledType_ = type;
        handledDone_ = std::move(done);
    }

    bool notify(QObject* receiver, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (watched_ && receiver == watched_ && type == QEvent::Paint)
            watchedPainted_ = true;
        ++depth_;
        const bool result = QApplication::notify(receiver, event);
        --depth_;
        if (handledDone_ && receiver == handledReceiver_ && type == handledType_)
            std::exchange(handledDone_, nullptr)();
        if (watchedPainted_ && depth_ == 0) {
            watched_ = nullptr;
            watchedPainted_ = false;
            std::exchange(paintDone_, nullptr)();
        }
        return result;
    }

private:
    int depth_ = 0;
    QWidget* watched_ = nullptr;
    bool watchedPainted_ = false;
    std::function<void()> paintDone_;
    QObject* handledReceiver_ = nullptr;
    QEvent::Type handledType_ = QEvent::None;
    std::function<void()> handledDone_;
};

void Report(const std::map<std::string, std::int64_t>& fields) {
    std::printf("%s\n", kelvane::bench::FormatReport(fields).c_str());
    std::fflush(stdout);
}

int RunBare(TimingApplication& application, int width, int height, bool withText,
            std::map<std::string, std::int64_t>& report) {
    QWidget window;
    window.resize(width, height);
    if (withText)
        new QLabel(QStringLiteral("Kelvane"), &window);
    report["window"] = MonotonicNanoseconds();
    application.onFirstPaint(&window, [&] {
        report["paint"] = MonotonicNanoseconds();
        QApplication::quit();
    });
    window.show();
    report["width"] = window.width();
    report["height"] = window.height();
    const int status = QApplication::exec();
    Report(report);
    return status;
}

// Opens Material > Edit Materials…, and once it has painted changes the first
// density and presses OK, which saves the table and puts it in use.
void openEditor(TimingApplication& application, QWidget& window,
                std::map<std::string, std::int64_t>& report, const std::function<void()>& finish) {
    auto* entry = window.findChild<QAction*>(QStringLiteral("EditMaterials1"));
    if (!entry)
        return finish();
    report["editorasked"] = MonotonicNanoseconds();
    entry->trigger();
    auto* box = window.findChild<QWidget*>(QStringLiteral("MaterialTableDialog"));
    if (!box)
        return finish();
    application.onFirstPaint(box, [&report, box, finish] {
        report["editor"] = MonotonicNanoseconds();
        auto* view = box->findChild<QAbstractItemView*>(QStringLiteral("MaterialTableView"));
        auto* ok = box->findChild<QPushButton*>(QStringLiteral("MaterialTableOk"));
        view->model()->setData(view->model()->index(0, 1), QStringLiteral("1.5"), Qt::EditRole);
        report["saveasked"] = MonotonicNanoseconds();
        ok->click();
        report["saved"] = MonotonicNanoseconds();
        finish();
    });
}

int RunMain(TimingApplication& application, const std::string& programDir, const std::string& open,
            std::map<std::string, std::int64_t>& report) {
    const bool openMenu = open == "menu";
    kelvane::ScriptedPlatform platform(kelvane::Separators{".", ","}, programDir);
    kelvane::MainWindow window(platform, platform);
    report["window"] = MonotonicNanoseconds();
    window.startUp();
    report["created"] = MonotonicNanoseconds();

    auto* diameter = window.findChild<QLineEdit*>(QStringLiteral("RDiaEdit"));
    auto* perMetre = window.findChild<QLabel*>(QStringLiteral("RKGMLabel"));
    auto* materialMenu = window.findChild<QMenu*>(QStringLiteral("Material1"));
    if (!diameter || !perMetre || !materialMenu) {
        std::fputs("kelvane-bench-window: the main window lacks RDiaEdit, RKGMLabel or "
                   "Material1\n",
                   stderr);
        return EXIT_FAILURE;
    }

    const auto finish = [&] {
        // The materials' entries: the menu's own Edit Materials… and its separator apart.
        const QList<QAction*> entries = materialMenu->actions();
        report["menuentries"] =
            std::count_if(entries.begin(), entries.end(),
                          [](const QAction* entry) { return entry->isCheckable(); });
        QApplication::quit();
    };
    const auto menuPainted = [&] {
        report["menu"] = MonotonicNanoseconds();
        finish();
    };
    QString firstWeight;
    const auto keyAnswered = [&] {
        report["usable"] = MonotonicNanoseconds();
        // An answered key (a diameter of 5 mm) changes the weight per metre shown.
        report["answered"] = perMetre->text() != firstWeight ? 1 : 0;
        if (open == "finder") {
            report["finderasked"] = MonotonicNanoseconds();
            window.openMaterialFinder();
            auto* finder = window.findChild<QWidget*>(QStringLiteral("MaterialFinder"));
            if (!finder)
                return finish();
            application.onFirstPaint(finder, [&] {
                report["finder"] = MonotonicNanoseconds();
                finish();
            });
            return;
        }
        if (open == "editor")
            return openEditor(application, window, report, finish);
        if (!openMenu)
            return finish();
        application.onFirstPaint(materialMenu, menuPainted);
        materialMenu->popup(window.mapToGlobal(QPoint(40, 20)));
    };
    application.onFirstPaint(&window, [&] {
        report["paint"] = MonotonicNanoseconds();
        firstWeight = perMetre->text();
        // A key typed the moment the window appears: it waits behind whatever the
        // program still has queued, and the window is usable once it is answered.
        application.onHandled(diameter, QEvent::KeyPress, keyAnswered);
        QCoreApplication::postEvent(diameter, new QKeyEvent(QEvent::KeyPress, Qt::Key_5,
                                                            Qt::NoModifier, QStringLiteral("5")));
    });
    window.show();
    report["width"] = window.width();
    report["height"] = window.height();
    report["materials"] = static_cast<std::int64_t>(window.materials().table().size());
    const int status = QApplication::exec();
    std::int64_t errors = 0;
    for (const kelvane::PlatformEvent& event : platform.takeEvents())
        errors += event.type == "error" ? 1 : 0;
    report["errors"] = errors;
    Report(report);
    return status;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string mode = argc > 1 ? argv[1] : "";
    const bool bare = (mode == "bare" || mode == "label") && argc == 4;
    const bool main =
        mode == "main" && (argc == 3 || (argc == 4 && (std::string(argv[3]) == "menu" ||
                                                       std::string(argv[3]) == "finder" ||
                                                       std::string(argv[3]) == "editor")));
    if (!bare && !main) {
        std::fputs("usage: kelvane-bench-window main <program folder> [menu|finder|editor]\n"
                   "       kelvane-bench-window bare|label <width> <height>\n",
                   stderr);
        return EXIT_FAILURE;
    }
    // Kept before QApplication is made, so that the program's own arguments stay put.
    const std::string first = argv[2];
    const std::string second = argc > 3 ? argv[3] : "";

    TimingApplication application(argc, argv);
    std::map<std::string, std::int64_t> report;
    report["app"] = MonotonicNanoseconds();
    kelvane::installQuietOffscreenMessages();
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    if (bare)
        return RunBare(application, std::stoi(first), std::stoi(second), mode == "label", report);
    return RunMain(application, first, second, report);
}
