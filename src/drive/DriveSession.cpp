#include "drive/DriveSession.h"

#include "app/MainWindow.h"
#include "app/PageControl.h"
#include "app/StatusBar.h"
#include "drive/DriveControls.h"
#include "drive/DriveInput.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include <stdexcept>

namespace kelvane {

namespace {

// A command that cannot be carried out; its text becomes the reply's "error".
class DriveError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

QString textArgument(const QJsonArray& arguments, int index) {
    if (index >= arguments.size() || !arguments[index].isString())
        throw DriveError("argument " + std::to_string(index) + " must be a string");
    return arguments[index].toString();
}

int numberArgument(const QJsonArray& arguments, int index) {
    if (index >= arguments.size() || !arguments[index].isDouble())
        throw DriveError("argument " + std::to_string(index) + " must be a number");
    return arguments[index].toInt();
}

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

QWidget* DriveSession::control(const QJsonArray& arguments, int index) {
    const QString name = textArgument(arguments, index);
    QWidget* found = findControl(name);
    if (!found && window_) {
        // A page is made when first shown; a control addressed before then is on a
        // page still to be made.
        window_->pageControl().buildAllPages();
        found = findControl(name);
    }
    if (!found)
        throw DriveError("no control named " + name.toStdString());
    return found;
}

QJsonValue DriveSession::run(const QString& command, const QJsonArray& arguments) {
    using Handler = QJsonValue (*)(DriveSession & session, const QJsonArray& arguments);
    struct Command {
        const char* name;
        bool needsWindow; // only once the program has been started
        Handler handle;
    };
    static constexpr Command kCommands[] = {
        {"start", false,
         [](DriveSession& s, const QJsonArray&) {
             return s.start();
         }},
        {"answer", false,
         [](DriveSession& s, const QJsonArray& a) {
             return s.answer(a);
         }},
        {"shell", false,
         [](DriveSession& s, const QJsonArray& a) {
             return s.shell(a);
         }},
        {"clipboard", false,
         [](DriveSession& s, const QJsonArray&) -> QJsonValue {
             return QString::fromStdString(s.platform_.clipboard());
         }},
        {"page", true,
         [](DriveSession& s, const QJsonArray& a) {
             return s.page(a);
         }},
        {"focus", true,
         [](DriveSession& s, const QJsonArray& a) {
             return s.focus(a);
         }},
        {"type", true,
         [](DriveSession& s, const QJsonArray& a) {
             return s.type(a);
         }},
        {"key", true,
         [](DriveSession& s, const QJsonArray& a) {
             return s.key(a);
         }},
        {"paste", true,
         [](DriveSession& s, const QJsonArray& a) {
             return s.paste(a);
         }},
        {"click", true,
         [](DriveSession& s, const QJsonArray& a) -> QJsonValue {
             clickControl(s.control(a, 1));
             return QJsonValue::Null;
         }},
        {"hover", true,
         [](DriveSession& s, const QJsonArray& a) {
             return s.hover(a, true);
         }},
        {"leave", true,
         [](DriveSession& s, const QJsonArray& a) {
             return s.hover(a, false);
         }},
        {"menu", true,
         [](DriveSession& s, const QJsonArray& a) {
             return s.menu(a, false);
         }},
        {"menuitems", true,
         [](DriveSession& s, const QJsonArray& a) {
             return s.menu(a, true);
         }},
        {"select", true,
         [](DriveSession& s, const QJsonArray& a) {
             return s.select(a);
         }},
        {"get", true,
         [](DriveSession& s, const QJsonArray& a) -> QJsonValue {
             return describeControl(s.control(a, 1));
         }},
        {"statusbar", true,
         [](DriveSession& s, const QJsonArray&) {
             return s.statusBar();
         }},
        {"tabs", true,
         [](DriveSession& s, const QJsonArray&) {
             return s.tabs();
         }},
        {"close", true,
         [](DriveSession& s, const QJsonArray&) {
             return s.close();
         }},
        {"resize", true,
         [](DriveSession& s, const QJsonArray& a) {
             return s.resize(a);
         }},
        {"window", true,
         [](DriveSession& s, const QJsonArray&) {
             return s.activeWindow();
         }},
        {"screenshot", true,
         [](DriveSession& s, const QJsonArray& a) {
             return s.screenshot(a);
         }},
    };
    for (const Command& entry : kCommands) {
        if (command != QLatin1String(entry.name))
            continue;
        if (entry.needsWindow)
            mainWindow(); // throws until the program has been started
        return entry.handle(*this, arguments);
    }
    mainWindow(); // before the start every other word is answered as a command too early
    throw DriveError("unknown command " + command.toStdString());
}

QJsonValue DriveSession::answer(const QJsonArray& arguments) {
    for (int i = 1; i < arguments.size(); ++i) {
        const QString answer = textArgument(arguments, i);
        if (answer != QLatin1String("yes") && answer != QLatin1String("no"))
            throw DriveError("answers are \"yes\" or \"no\"");
        platform_.queueAnswer(answer == QLatin1String("yes"));
    }
    return QJsonValue::Null;
}

QJsonValue DriveSession::shell(const QJsonArray& arguments) {
    const QString verdict = textArgument(arguments, 1);
    if (verdict != QLatin1String("ok") && verdict != QLatin1String("fail"))
        throw DriveError("the shell answers \"ok\" or \"fail\"");
    platform_.setShellAccepts(verdict == QLatin1String("ok"));
    return QJsonValue::Null;
}

QJsonValue DriveSession::page(const QJsonArray& arguments) {
    if (!window_->showPage(textArgument(arguments, 1)))
        throw DriveError("no page " + textArgument(arguments, 1).toStdString());
    return window_->pageControl().activeCaption();
}

QJsonValue DriveSession::focus(const QJsonArray& arguments) {
    QWidget* target = control(arguments, 1);
    target->activateWindow();
    target->setFocus(Qt::OtherFocusReason);
    return QJsonValue::Null;
}

QJsonValue DriveSession::type(const QJsonArray& arguments) {
    for (const QChar character : textArgument(arguments, 1))
        typeCharacter(&mainWindow(), character);
    return QJsonValue::Null;
}

QJsonValue DriveSession::key(const QJsonArray& arguments) {
    if (!pressNamedKey(&mainWindow(), textArgument(arguments, 1)))
        throw DriveError("unknown key " + textArgument(arguments, 1).toStdString());
    return QJsonValue::Null;
}

QJsonValue DriveSession::paste(const QJsonArray& arguments) {
    auto* edit = qobject_cast<QLineEdit*>(control(arguments, 1));
    if (!edit)
        throw DriveError("not an entry box: " + textArgument(arguments, 1).toStdString());
    edit->selectAll();
    edit->insert(textArgument(arguments, 2));
    return QJsonValue::Null;
}

QJsonValue DriveSession::hover(const QJsonArray& arguments, bool enter) {
    hoverControl(control(arguments, 1), enter);
    return QJsonValue::Null;
}

QJsonValue DriveSession::select(const QJsonArray& arguments) {
    auto* combo = qobject_cast<QComboBox*>(control(arguments, 1));
    const int index = combo ? combo->findText(textArgument(arguments, 2)) : -1;
    if (index < 0)
        throw DriveError("no item " + textArgument(arguments, 2).toStdString());
    combo->setCurrentIndex(index);
    return QJsonValue::Null;
}

QJsonValue DriveSession::resize(const QJsonArray& arguments) {
    mainWindow().resize(numberArgument(arguments, 1), numberArgument(arguments, 2));
    return QJsonValue::Null;
}

QJsonValue DriveSession::screenshot(const QJsonArray& arguments) {
    QWidget* shown =
        QApplication::activeModalWidget() ? QApplication::activeModalWidget() : &mainWindow();
    if (!shown->grab().save(textArgument(arguments, 1), "PNG"))
        throw DriveError("cannot write " + textArgument(arguments, 1).toStdString());
    return QJsonValue::Null;
}

QJsonValue DriveSession::start() {
    if (window_)
        throw DriveError("the program is already started");
    window_ = std::make_unique<MainWindow>(platform_);
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
                {"enabled", item->isEnabled()}});
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
    return QJsonObject{{"title", active->windowTitle()},
                       {"width", active->width()},
                       {"height", active->height()},
                       {"modal", active->isModal()}};
}

QJsonValue DriveSession::close() {
    window_->close();
    settle();
    return QJsonObject{{"closed", !window_->isVisible()}};
}

} // namespace kelvane
