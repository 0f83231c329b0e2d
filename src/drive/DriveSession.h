#pragma once

#include "drive/ScriptedPlatform.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonValue>

#include <memory>

namespace kelvane {

class MainWindow;

// One scripting session: it runs the program's own main window on a scripted
// desktop and answers one JSON command line with one JSON reply line.
class DriveSession {
public:
    DriveSession(Separators separators, std::string programDir, std::string userDataDir = {});
    ~DriveSession();

    // `line` is a JSON array whose first element names the command. The reply is
    // {"ok": true, "value": V, "events": [...]} or {"ok": false, "error": "why", ...}.
    QByteArray handleLine(const QByteArray& line);

    ScriptedPlatform& platform() { return platform_; }
    MainWindow* window() { return window_.get(); }

private:
    // Carries out one command, found by its name in the table of commands.
    QJsonValue run(const QString& command, const QJsonArray& arguments);
    QJsonValue start();
    QJsonValue answer(const QJsonArray& arguments);
    QJsonValue shell(const QJsonArray& arguments);
    QJsonValue page(const QJsonArray& arguments);
    QJsonValue focus(const QJsonArray& arguments);
    QJsonValue type(const QJsonArray& arguments);
    QJsonValue key(const QJsonArray& arguments);
    QJsonValue paste(const QJsonArray& arguments);
    QJsonValue hover(const QJsonArray& arguments, bool enter);
    QJsonValue select(const QJsonArray& arguments);
    QJsonValue resize(const QJsonArray& arguments);
    QJsonValue screenshot(const QJsonArray& arguments);
    QJsonValue wait(const QJsonArray& arguments);
    QJsonValue menu(const QJsonArray& arguments, bool listOnly);
    QJsonValue layout();
    // A dialog's controls, judged as the layout of a page is.
    QJsonValue windowLayout(const QJsonArray& arguments);
    // Makes a table's cell current and, with `edit`, gives it a new text.
    QJsonValue cell(const QJsonArray& arguments, bool edit);
    QJsonValue statusBar();
    QJsonValue tabs();
    QJsonValue activeWindow();
    QJsonValue close();
    QWidget& mainWindow();
    // The control named by argument `index`, on whichever page it stands.
    QWidget* control(const QJsonArray& arguments, int index);
    QJsonArray takeEvents();

    ScriptedPlatform platform_;
    std::unique_ptr<MainWindow> window_;
    bool windowOpen_ = false;
};

} // namespace kelvane
