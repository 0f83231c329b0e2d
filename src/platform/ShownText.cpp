#include "platform/ShownText.h"

#include "platform/QtText.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QVariant>

namespace kelvane {

namespace {

// Where an object keeps the English text of a property: "kelvaneText.text" holds
// the English text and the text shown for it, so a text set since by other means is
// recognised and left alone.
QByteArray rememberedName(const char* property) {
    return QByteArrayLiteral("kelvaneText.") + property;
}
constexpr const char* kItemsName = "kelvaneItems";

// The translation of exactly this text, or a null string when there is none.
QString translationOf(const QString& english) {
    const QByteArray source = english.toUtf8();
    const QString translated = QCoreApplication::translate(kTextContext, source.constData());
    return translated == english ? QString() : translated;
}

} // namespace

QString shownText(const QString& english) {
    if (english.isEmpty())
        return english;
    // A menu entry's keys after a tab ("&Next Page\tCtrl+Tab") stay as they are.
    if (const auto tab = english.indexOf(QLatin1Char('\t')); tab >= 0)
        return shownText(english.left(tab)) + english.mid(tab);
    if (QString whole = translationOf(english); !whole.isNull())
        return whole;
    // A caption given its access key where it is shown ("&Polygon") takes the first
    // letter of its translation as its key.
    if (english.size() > 1 && english.front() == QLatin1Char('&') && english[1] != QLatin1Char('&'))
        return QLatin1Char('&') + shownText(english.mid(1));
    // The longest leading caption with a translation of its own, with or without the
    // blank that parts it from the rest.
    for (auto blank = english.lastIndexOf(QLatin1Char(' ')); blank > 0;
         blank = english.lastIndexOf(QLatin1Char(' '), blank - 1)) {
        for (const qsizetype end : {blank + 1, blank}) {
            if (QString head = translationOf(english.left(end)); !head.isNull())
                return head + english.mid(end);
        }
    }
    // A text that starts with a quoted value ("'1,2,3' is not a valid floating point
    // value") gets the longest trailing text with a translation of its own translated.
    // Only there: a name after a caption ("Material: Nickel") stays as it is.
    if (!english.startsWith(QLatin1Char('\'')))
        return english;
    for (auto blank = english.indexOf(QLatin1Char(' ')); blank > 0;
         blank = english.indexOf(QLatin1Char(' '), blank + 1)) {
        if (QString tail = translationOf(english.mid(blank + 1)); !tail.isNull())
            return english.left(blank + 1) + tail;
    }
    return english;
}

QString shownText(std::string_view english) {
    return shownText(toQString(english));
}

void showText(QObject* object, const char* property, const QString& english) {
    const QString shown = shownText(english);
    object->setProperty(rememberedName(property).constData(), QStringList{english, shown});
    object->setProperty(property, shown);
}

void showText(QObject* object, const char* property, const char* englishPattern,
              const QString& englishArgument) {
    const QString shown = shownText(englishPattern).arg(shownText(englishArgument));
    object->setProperty(rememberedName(property).constData(),
                        QStringList{QString::fromUtf8(englishPattern), shown, englishArgument});
    object->setProperty(property, shown);
}

void showText(QObject* object, const char* property, std::string_view english) {
    showText(object, property, toQString(english));
}

void showItems(QComboBox* box, const QStringList& english) {
    box->setProperty(kItemsName, english);
    for (const QString& item : english)
        box->addItem(shownText(item));
}

QString englishText(const QObject& object, const char* property) {
    const QStringList remembered =
        object.property(rememberedName(property).constData()).toStringList();
    return remembered.size() == 2 ? remembered[0] : QString();
}

void retranslateShownTexts(QObject* root) {
    QList<QObject*> objects = root->findChildren<QObject*>();
    objects.prepend(root);
    const QByteArray prefix = rememberedName("");
    for (QObject* object : objects) {
        for (const QByteArray& name : object->dynamicPropertyNames()) {
            if (!name.startsWith(prefix))
                continue;
            const QStringList remembered = object->property(name.constData()).toStringList();
            const QByteArray property = name.mid(prefix.size());
            if (remembered.size() < 2 ||
                object->property(property.constData()).toString() != remembered[1])
                continue; // set since by other means
            if (remembered.size() == 3)
                showText(object, property.constData(), remembered[0].toUtf8().constData(),
                         remembered[2]);
            else
                showText(object, property.constData(), remembered[0]);
        }
        if (auto* box = qobject_cast<QComboBox*>(object)) {
            const QStringList items = box->property(kItemsName).toStringList();
            for (int i = 0; i < items.size() && i < box->count(); ++i)
                box->setItemText(i, shownText(items[i]));
            // The box takes the width of its widest item in the new language.
            if (!items.isEmpty())
                box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        }
    }
}

} // namespace kelvane
