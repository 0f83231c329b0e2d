#include "platform/QtPlatform.h"

#include "common/KelvaneError.h"
#include "platform/QtText.h"
#include "platform/ShownText.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>

namespace kelvane {

void QtPlatform::showError(const std::string& text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Kelvane"),
                    toQString(withFullStop(shownText(text).toStdString())), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

bool QtPlatform::confirm(const std::string& title, const std::string& question) {
    QMessageBox box(QMessageBox::Question, shownText(title), shownText(question),
                    QMessageBox::NoButton, QApplication::activeWindow());
    // The buttons in Qt's own words, translated with Qt's own translations.
    QPushButton* yes = box.addButton(QMessageBox::Yes);
    QPushButton* no = box.addButton(QMessageBox::No);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

std::string QtPlatform::chooseFile(bool save, const std::string& title, const std::string& filter) {
    const QString caption = shownText(title);
    const QString filters = shownText(filter);
    const QString path =
        save ? QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, {}, filters)
             : QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, {}, filters);
    return path.toStdString();
}

bool QtPlatform::choosePrinter(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(shownText(QT_TRANSLATE_NOOP("Kelvane", "Print Quote")));
    return dialog.exec() == QDialog::Accepted;
}

void QtPlatform::setClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

bool QtPlatform::openLink(const std::string& link) {
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(link)));
}

Separators QtPlatform::separators() const {
    const QLocale locale = QLocale::system();
    return Separators{locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

std::vector<std::string> QtPlatform::preferredLanguages() const {
    std::vector<std::string> languages;
    for (const QString& language : QLocale::system().uiLanguages())
        languages.push_back(language.toStdString());
    return languages;
}

std::string QtPlatform::programDir() const {
    return QCoreApplication::applicationDirPath().toStdString() + "/";
}

} // namespace kelvane

namespace kelvane {

std::string QtPlatform::userDataDir() const {
#ifdef Q_OS_WIN
    // The user's roaming application data, which follows the user between machines.
    return QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA")).toStdString();
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString();
#endif
}

} // namespace kelvane
