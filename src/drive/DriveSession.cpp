#include "drive/DriveSession.h"

#include "app/MainWindow.h"
#include "app/PageControl.h"
#include "app/StatusBar.h"
#include "drive/DriveArguments.h"
#include "drive/DriveControls.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace kelvane {

namespace {

// Lets Qt finish what the command set off: layouts, posted events, deferred deletes.
void settle() {
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

QJsonObject eventJson(const PlatformEvent& event) {
    QJsonObject json;
    json["type"] = QString::fromStdString(event.type);
    if (event.type == "error" || event.type == "confirm") {
        json["title"] = QString::fromStdString(event.title);
        json["text"] = QString::fromStdString(event.text);
    }
    if (event.type == "confirm")
        json["answer"] = QString::fromStdString(event.answer);
    if (event.type == "clipboard")
        json["text"] = QString::fromStdString(event.text);
    if (event.type == "file") {
        json["title"] = QString::fromStdString(event.title);
        json["mode"] = QString::fromStdString(event.text);
        json["path"] = QString::fromStdString(event.result);
    }
    if (event.type == "print")
        json["path"] = QString::fromStdString(event.result);
    if (event.type == "open") {
        json["link"] = QString::fromStdString(event.link);
        json["result"] = QString::fromStdString(event.result);
    }
    return json;
}

} // namespace

DriveSession::DriveSession(Separators separators, std::string programDir, std::string userDataDir)
    : platform_(std::move(separators), std::move(programDir), std::move(userDataDir)) {}

DriveSession::~DriveSession() = default;

QByteArray DriveSession::handleLine(const QByteArray& line) {
    QJsonObject reply;
    try {
        QJsonParseError parseError{};
        const QJsonDocument document = QJsonDocument::fromJson(line, &parseError);
        if (parseError.error != QJsonParseError::NoError || !document.isArray())
            throw DriveError("malformed command: expected a JSON array");
        const QJsonArray command = document.array();
        if (command.isEmpty() || !command[0].isString())
            throw DriveError("malformed command: the first element must name the command");
        const QJsonValue value = run(command[0].toString(), command);
        settle();
        reply["ok"] = true;
        reply["value"] = value;
    } catch (const std::exception& error) {
        settle();
        reply["ok"] = false;
        reply["error"] = QString::fromUtf8(error.what());
    }
    reply["events"] = takeEvents();
    return QJsonDocument(reply).toJson(QJsonDocument::Compact);
}

QJsonArray DriveSession::takeEvents() {
    QJsonArray events;
    for (const PlatformEvent& event : platform_.takeEvents())
        events.append(eventJson(event));
    if (windowOpen_ && window_ && !window_->isVisible()) {
        windowOpen_ = false;
        events.append(QJsonObject{{"type", "closed"}});
    }
    return events;
}

QWidget& DriveSession::mainWindow() {
    if (!window_)
        throw DriveError("the program has not been started");
    return *window_;
}

QJsonValue DriveSession::start() {
    if (window_)
        throw DriveError("the program is already started");
    window_ = std::make_unique<MainWindow>(platform_, platform_);
    window_->startUp();
    window_->show();
    window_->activateWindow();
    QApplication::setActiveWindow(window_.get());
    windowOpen_ = true;
    settle();
    return QJsonValue::Null;
}

QJsonValue DriveSession::menu(const QJsonArray& arguments, bool listOnly) {
    QList<QAction*> entries = window_->menuBar()->actions();
    QAction* entry = nullptr;
    for (int i = 1; i < arguments.size(); ++i) {
        entry = findMenuEntry(entries, textArgument(arguments, i));
        if (!entry)
            throw DriveError("no menu entry " + textArgument(arguments, i).toStdString());
        if (i + 1 < arguments.size() || listOnly) {
            if (!entry->menu())
                throw DriveError(textArgument(arguments, i).toStdString() + " is not a menu");
            // A menu may fill itself as it opens: reading its entries opens it.
            emit entry->menu()->aboutToShow();
            entries = entry->menu()->actions();
        }
    }
    if (listOnly) {
        QJsonArray items;
        for (QAction* item : entries) {
            if (item->isSeparator())
                continue;
            items.append(QJsonObject{
                {"caption", withoutAccessMarkers(item->text())},
                {"checked", item->isChecked()},
                {"radio", item->actionGroup() != nullptr && item->actionGroup()->isExclusive()},
                {"enabled", item->isEnabled()},
                {"accessKey", QKeySequence::mnemonic(item->text()).toString()}});
        }
        return items;
    }
    if (!entry)
        throw DriveError("no menu entry named");
    if (entry->menu())
        throw DriveError("a submenu cannot be chosen");
    entry->trigger();
    return QJsonValue::Null;
}

QJsonValue DriveSession::statusBar() {
    const StatusBar& bar = window_->statusPanels();
    QJsonArray panels;
    for (int i = 0; i < StatusBar::kPanelCount; ++i)
        panels.append(QJsonObject{{"text", bar.panelText(i)}, {"width", bar.panelWidth(i)}});
    return QJsonObject{{"panels", panels}, {"lamp", bar.lamp().isLit() ? "lit" : "dark"}};
}

QJsonValue DriveSession::tabs() {
    const PageControl& pages = window_->pageControl();
    return QJsonObject{{"visible", QJsonArray::fromStringList(pages.visibleCaptions())},
                       {"active", pages.activeCaption()}};
}

QJsonValue DriveSession::activeWindow() {
    QWidget* active = QApplication::activeModalWidget();
    if (!active)
        active = QApplication::activeWindow();
    if (!active)
        active = window_.get();
    return QJsonObject{
        {"title", active->windowTitle()},
        {"width", active->width()},
        {"height", active->height()},
        {"modal", active->isModal()},
        {"fixedSize", active->minimumSize() == active->maximumSize()},
        {"minimizeButton", active->windowFlags().testFlag(Qt::WindowMinimizeButtonHint)},
        {"maximizeButton", active->windowFlags().testFlag(Qt::WindowMaximizeButtonHint)}};
}

QJsonValue DriveSession::close() {
    window_->close();
    settle();
    return QJsonObject{{"closed", !window_->isVisible()}};
}

} // namespace kelvane
