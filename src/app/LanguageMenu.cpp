#include "app/LanguageMenu.h"

#include "common/Languages.h"
#include "platform/QtText.h"
#include "platform/ShownText.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace kelvane {

QActionGroup* addLanguageMenu(QMenu& options, const std::string& chosen,
                              std::function<void(const std::string&)> choose) {
    QMenu* menu = options.addMenu(QString());
    showText(menu, "title", QT_TRANSLATE_NOOP("Kelvane", "&Language"));
    menu->setObjectName(QStringLiteral("LanguageMenu"));
    auto* entries = new QActionGroup(menu);
    const auto add = [&](const QString& name, const std::string& code) {
        QAction* entry = menu->addAction(QString());
        entry->setObjectName(name);
        entry->setCheckable(true);
        entry->setData(QString::fromStdString(code));
        entries->addAction(entry);
        QObject::connect(entry, &QAction::triggered, menu, [choose, code] { choose(code); });
        return entry;
    };
    QAction* system = add(QStringLiteral("LanguageSystem"), {});
    showText(system, "text", QT_TRANSLATE_NOOP("Kelvane", "&System Language"));
    menu->addSeparator();
    // Each language in its own name, the same in every language; its first letter is
    // its access key.
    for (const LanguageName& language : kLanguages) {
        QAction* entry =
            add(QStringLiteral("Language") + toQString(language.code).toUpper().left(1) +
                    toQString(language.code).mid(1),
                std::string(language.code));
        entry->setText(QLatin1Char('&') + toQString(language.ownName));
    }
    checkLanguageEntry(*entries, chosen);
    return entries;
}

void checkLanguageEntry(QActionGroup& entries, const std::string& chosen) {
    for (QAction* entry : entries.actions())
        entry->setChecked(entry->data().toString().toStdString() == chosen);
}

} // namespace kelvane
