#include "app/MenuEntryAccessible.h"

#include <QAccessible>
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QPointer>

namespace kelvane {

namespace {

// A caption as read aloud: access-key markers gone, a doubled "&&" read as one "&".
QString withoutAccessMarkers(const QString& caption) {
    QString spoken;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        spoken += caption[i];
    }
    return spoken;
}

class MenuEntryAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    MenuEntryAccessible(QAction* action, QMenu* menu)
        : action_(action)
        , menu_(menu) {}

    bool isValid() const override { return action_ && menu_; }
    QObject* object() const override { return action_; }
    QWindow* window() const override { return isValid() ? menu_->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(menu_.data());
    }
    int childCount() const override { return submenu() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 && submenu() ? QAccessible::queryAccessibleInterface(submenu()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == submenu() && submenu() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    // A checkable entry takes the role of a check box, or of a radio button where
    // checking it unchecks the others: the Linux accessibility bus of this toolkit
    // version carries no "checkable" state, and a screen reader says "not checked"
    // of such a role where of a plain entry it would say nothing.
    QAccessible::Role role() const override {
        if (!action_)
            return QAccessible::MenuItem;
        if (action_->isSeparator())
            return QAccessible::Separator;
        if (!action_->isCheckable())
            return QAccessible::MenuItem;
        const bool exclusive = action_->actionGroup() && action_->actionGroup()->isExclusive();
        return exclusive ? QAccessible::RadioButton : QAccessible::CheckBox;
    }

    QString text(QAccessible::Text t) const override {
        if (!isValid())
            return {};
        // Keys a caption shows after a tab are the entry's keys, not part of its name.
        const QString caption = action_->text();
        const qsizetype tab = caption.indexOf(QLatin1Char('\t'));
        switch (t) {
        case QAccessible::Name:
            return withoutAccessMarkers(caption.left(tab));
        case QAccessible::Accelerator:
            return action_->shortcut().isEmpty() && tab >= 0
                       ? caption.mid(tab + 1)
                       : action_->shortcut().toString(QKeySequence::NativeText);
        case QAccessible::Description:
            return action_->statusTip();
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect local = menu_->actionGeometry(action_);
        return QRect(menu_->mapToGlobal(local.topLeft()), local.size());
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.focusable = true;
        state.disabled = !action_->isEnabled();
        state.invisible = !menu_->isVisible() || !action_->isVisible();
        state.focused = menu_->activeAction() == action_;
        state.checkable = action_->isCheckable();
        state.checked = action_->isChecked();
        state.hasPopup = submenu() != nullptr;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override {
        if (!isValid() || !action_->isEnabled() || action_->isSeparator())
            return {};
        if (submenu())
            return {showMenuAction()};
        return action_->isCheckable() ? QStringList{toggleAction()} : QStringList{pressAction()};
    }
    void doAction(const QString& name) override {
        if (!actionNames().contains(name))
            return;
        if (submenu())
            menu_->setActiveAction(action_);
        else
            action_->trigger();
    }
    QStringList keyBindingsForAction(const QString&) const override {
        const QKeySequence key = action_ ? action_->shortcut() : QKeySequence();
        return key.isEmpty() ? QStringList() : QStringList{key.toString(QKeySequence::NativeText)};
    }

private:
    QMenu* submenu() const { return action_ ? action_->menu<QMenu*>() : nullptr; }

    QPointer<QAction> action_;
    QPointer<QMenu> menu_;
};

QAccessibleInterface* makeMenuEntryInterface(const QString& className, QObject* object) {
    if (className != QLatin1String("QAction"))
        return nullptr;
    auto* action = qobject_cast<QAction*>(object);
    if (!action)
        return nullptr;
    for (QObject* holder : action->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(holder))
            return new MenuEntryAccessible(action, menu);
    return nullptr; // an entry of the menu bar itself keeps the toolkit's own interface
}

} // namespace

void installMenuEntryAccessible() {
    QAccessible::installFactory(&makeMenuEntryInterface);
}

} // namespace kelvane
