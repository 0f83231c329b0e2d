#include "platform/Translations.h"

#include "common/Languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <algorithm>
#include <cctype>

namespace kelvane {

namespace {

// "de-DE", "de_AT" and "DE" all name German.
std::string languagePart(const std::string& tag) {
    std::string code = tag.substr(0, tag.find_first_of("-_"));
    std::transform(code.begin(), code.end(), code.begin(),
                   [](char c) { return static_cast<char>(std::tolower(c)); });
    return code;
}

// Qt's own translations: beside the program where a package for Windows puts them,
// else in Qt's folder.
bool loadQtTranslation(QTranslator& translator, const QString& code) {
    const QString name = QStringLiteral("qtbase_") + code;
    return translator.load(name, QCoreApplication::applicationDirPath() +
                                     QStringLiteral("/translations")) ||
           translator.load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace

Translations::Translations(QObject* parent)
    : QObject(parent) {}

std::string Translations::languageFor(const std::string& chosen,
                                      const std::vector<std::string>& preferred) {
    if (!chosen.empty() && isKnownLanguage(chosen))
        return chosen;
    for (const std::string& tag : preferred)
        if (const std::string code = languagePart(tag); isKnownLanguage(code))
            return code;
    return std::string(kEnglishCode);
}

std::string Translations::use(const std::string& chosen,
                              const std::vector<std::string>& preferred) {
    const std::string code = languageFor(chosen, preferred);
    remove();
    if (code == kEnglishCode)
        return code;
    const QString name = QString::fromStdString(code);
    program_ = new QTranslator(this);
    if (program_->load(QStringLiteral(":/i18n/kelvane_") + name))
        QCoreApplication::installTranslator(program_);
    qt_ = new QTranslator(this);
    if (loadQtTranslation(*qt_, name))
        QCoreApplication::installTranslator(qt_);
    return code;
}

void Translations::remove() {
    for (QTranslator** translator : {&program_, &qt_}) {
        if (*translator) {
            QCoreApplication::removeTranslator(*translator);
            delete *translator;
            *translator = nullptr;
        }
    }
}

} // namespace kelvane
