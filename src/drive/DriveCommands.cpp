// The driver's commands: the table that finds a command by its name, and the
// commands that work on single controls.

#include "drive/DriveSession.h"

#include "app/MainWindow.h"
#include "app/PageControl.h"
#include "app/StatusBar.h"
#include "drive/DriveArguments.h"
#include "drive/DriveControls.h"
#include "drive/DriveInput.h"
#include "drive/DriveLayout.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QJsonObject>
#include <QLineEdit>
#include <QToolTip>

namespace kelvane {

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
        {"file", false,
         [](DriveSession& s, const QJsonArray& a) -> QJsonValue {
             s.platform_.queueFile(textArgument(a, 1).toStdString());
             return QJsonValue::Null;
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
        {"edit", true,
         [](DriveSession& s, const QJsonArray& a) {
             return s.cell(a, true);
         }},
        {"current", true,
         [](DriveSession& s, const QJsonArray& a) {
             return s.cell(a, false);
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
        {"wait", false,
         [](DriveSession& s, const QJsonArray& a) {
             return s.wait(a);
         }},
        {"tooltip", false,
         [](DriveSession&, const QJsonArray&) -> QJsonValue {
             return QJsonObject{{"text", QToolTip::text()}, {"visible", QToolTip::isVisible()}};
         }},
        {"controls", true,
         [](DriveSession& s, const QJsonArray&) -> QJsonValue {
             return namedControls(s.window_->pageControl().activePage());
         }},
        {"layout", true,
         [](DriveSession& s, const QJsonArray& a) {
             return a.size() > 1 ? s.windowLayout(a) : s.layout();
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
    QWidget* window = arguments.size() > 3 ? control(arguments, 3) : &mainWindow();
    window->resize(numberArgument(arguments, 1), numberArgument(arguments, 2));
    return QJsonValue::Null;
}

QJsonValue DriveSession::cell(const QJsonArray& arguments, bool edit) {
    auto* view = qobject_cast<QAbstractItemView*>(control(arguments, 1));
    if (!view || !view->model())
        throw DriveError("not a table: " + textArgument(arguments, 1).toStdString());
    const QModelIndex index =
        view->model()->index(numberArgument(arguments, 2), numberArgument(arguments, 3));
    if (!index.isValid())
        throw DriveError("no such cell");
    view->setCurrentIndex(index);
    // The text goes in as the cell's editor would hand it over when typed.
    if (edit && !view->model()->setData(index, textArgument(arguments, 4), Qt::EditRole))
        throw DriveError("the cell cannot be edited");
    return QJsonValue::Null;
}

QJsonValue DriveSession::windowLayout(const QJsonArray& arguments) {
    QWidget* window = control(arguments, 1);
    return QJsonObject{{"window", geometryOf(window)}, {"controls", pageLayout(window)}};
}

QJsonValue DriveSession::wait(const QJsonArray& arguments) {
    runEventsFor(numberArgument(arguments, 1));
    return QJsonValue::Null;
}

QJsonValue DriveSession::layout() {
    PageControl& pages = window_->pageControl();
    return QJsonObject{{"window", geometryOf(window_.get())},
                       {"pageControl", geometryOf(&pages)},
                       {"statusBar", geometryOf(&window_->statusPanels())},
                       {"page", geometryOf(pages.activePage())},
                       {"controls", pageLayout(pages.activePage())}};
}

QJsonValue DriveSession::screenshot(const QJsonArray& arguments) {
    QWidget* shown =
        QApplication::activeModalWidget() ? QApplication::activeModalWidget() : &mainWindow();
    if (!shown->grab().save(textArgument(arguments, 1), "PNG"))
        throw DriveError("cannot write " + textArgument(arguments, 1).toStdString());
    return QJsonValue::Null;
}

} // namespace kelvane
