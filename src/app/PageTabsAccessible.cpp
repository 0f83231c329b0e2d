#include "app/PageTabsAccessible.h"

#include "app/TabRow.h"
#include "platform/ShownText.h"

namespace kelvane {

namespace {

constexpr const char* kRowName = QT_TRANSLATE_NOOP("Kelvane", "Pages");

// One tab of the row: a page tab named by its page's caption. Pressing it shows the page.
class PageTabAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    PageTabAccessible(TabRow* row, int index)
        : row_(row)
        , index_(index) {}

    bool isValid() const override { return row_ && index_ < row_->tabCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent()->window(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(row_.data());
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }

    QString text(QAccessible::Text t) const override {
        if (!isValid() || (t != QAccessible::Name && t != QAccessible::Accelerator))
            return {};
        return t == QAccessible::Name ? row_->tabCaption(index_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect local = row_->tabRect(index_);
        return QRect(row_->mapToGlobal(local.topLeft()), local.size());
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.selectable = true;
        state.focusable = true;
        const bool selected = row_->currentTab() == index_;
        state.selected = selected;
        state.focused = selected && row_->hasFocus();
        state.invisible = !row_->isVisible();
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (isValid() && name == pressAction())
            row_->showTab(index_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<TabRow> row_;
    int index_;
};

QAccessibleInterface* makeTabRowInterface(const QString& className, QObject* object) {
    if (className != QLatin1String(TabRow::staticMetaObject.className()))
        return nullptr;
    auto* row = qobject_cast<TabRow*>(object);
    return row ? new PageTabsAccessible(row) : nullptr;
}

} // namespace

PageTabsAccessible::PageTabsAccessible(TabRow* row)
    : QAccessibleWidget(row, QAccessible::PageTabList, shownText(kRowName)) {}

PageTabsAccessible::~PageTabsAccessible() {
    for (const QAccessible::Id id : tabs_)
        QAccessible::deleteAccessibleInterface(id);
}

TabRow& PageTabsAccessible::row() const {
    return *static_cast<TabRow*>(widget());
}

int PageTabsAccessible::childCount() const {
    return row().tabCount();
}

QAccessibleInterface* PageTabsAccessible::child(int index) const {
    const int count = childCount();
    if (index < 0 || index >= count)
        return nullptr;
    if (static_cast<int>(tabs_.size()) != count) {
        for (const QAccessible::Id id : tabs_)
            QAccessible::deleteAccessibleInterface(id);
        tabs_.clear();
        for (int i = 0; i < count; ++i)
            tabs_.push_back(
                QAccessible::registerAccessibleInterface(new PageTabAccessible(&row(), i)));
    }
    return QAccessible::accessibleInterface(tabs_[static_cast<std::size_t>(index)]);
}

int PageTabsAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (int i = 0; i < childCount(); ++i)
        if (this->child(i) == child)
            return i;
    return -1;
}

QAccessibleInterface* PageTabsAccessible::childAt(int x, int y) const {
    const int tab = row().tabAt(row().mapFromGlobal(QPoint(x, y)));
    return tab >= 0 ? child(tab) : nullptr;
}

QAccessibleInterface* PageTabsAccessible::focusChild() const {
    return row().hasFocus() ? child(row().currentTab()) : nullptr;
}

QString PageTabsAccessible::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? shownText(kRowName) : QAccessibleWidget::text(t);
}

void PageTabsAccessible::install() {
    QAccessible::installFactory(&makeTabRowInterface);
}

} // namespace kelvane
