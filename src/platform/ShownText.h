#pragma once

#include <QString>

#include <string_view>

class QComboBox;
class QObject;

namespace kelvane {

// The translation context of every text the window shows.
inline constexpr const char* kTextContext = "Kelvane";

// A text of the program in the language in use. A text with no translation of its
// own that starts with a translated caption ("Material: Steel", "Total Cost 208.90")
// gets the caption translated and keeps the rest (names, figures, units) as it is.
QString shownText(std::string_view english);
QString shownText(const QString& english);
inline QString shownText(const char* english) {
    return shownText(std::string_view(english));
}

// Sets `property` of `object` ("text", "title", "windowTitle", "toolTip",
// "accessibleName", ...) to the English text in the language in use, and remembers
// the English text so that retranslateShownTexts can show it in another language.
void showText(QObject* object, const char* property, std::string_view english);
void showText(QObject* object, const char* property, const QString& english);
inline void showText(QObject* object, const char* property, const char* english) {
    showText(object, property, std::string_view(english));
}

// The same for a text made of a pattern and a text put into it ("Copy %1" and "Weight
// per Metre"), each in the language in use.
void showText(QObject* object, const char* property, const char* englishPattern,
              const QString& englishArgument);

// The items of a drop-down, each shown in the language in use and retranslated.
void showItems(QComboBox* box, const QStringList& english);

// The English text showText set for `property` of `object`, or a null string.
QString englishText(const QObject& object, const char* property);

// Shows every text set through showText in `root` and its children in the language
// now in use. A text set since by other means is left as it is.
void retranslateShownTexts(QObject* root);

} // namespace kelvane
