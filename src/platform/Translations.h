#pragma once

#include <QObject>
#include <QString>

#include <string>
#include <vector>

class QTranslator;

namespace kelvane {

// The language the window is shown in: the program's own translation, built into
// the program, and Qt's translation of its own texts (message-box buttons, the entry
// boxes' context menu), read from the folder "translations" beside the program or
// from Qt's folder. English needs neither.
class Translations final : public QObject {
public:
    explicit Translations(QObject* parent = nullptr);

    // The language for a choice: `chosen` when it is one of the program's languages,
    // else the first of the user's preferred languages the program has, else English.
    static std::string languageFor(const std::string& chosen,
                                   const std::vector<std::string>& preferred);

    // Puts the language in use for every text shown from now on; returns its code.
    std::string use(const std::string& chosen, const std::vector<std::string>& preferred);

private:
    void remove();

    QTranslator* program_ = nullptr;
    QTranslator* qt_ = nullptr;
};

} // namespace kelvane
