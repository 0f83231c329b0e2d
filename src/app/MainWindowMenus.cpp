// The main window's menus, and the language they and the rest of the window are shown in.

#include "app/MainWindow.h"

#include "app/LanguageMenu.h"
#include "app/PageControl.h"
#include "platform/ErrorReport.h"
#include "platform/Platform.h"
#include "platform/ShownText.h"
#include "platform/Translations.h"

#include <QAction>
#include <QActionGroup>
#include <QMenuBar>

namespace kelvane {

namespace {

// Material > Edit Materials…: its access key is kept from every material's entry
// (kMaterialMenuOwnKeys).
constexpr const char* kEditMaterialsCaption = QT_TRANSLATE_NOOP("Kelvane", "&Edit Materials…");

// The Options > Fractions entries: the resolution each chooses.
struct FractionEntry {
    const char* name;
    const char* caption;
    int resolution;
};
constexpr FractionEntry kFractionEntries[] = {
    {"F32", QT_TRANSLATE_NOOP("Kelvane", "Nearest 1/32\""), 32},
    {"F64", QT_TRANSLATE_NOOP("Kelvane", "Nearest 1/64\""), 64},
};

// The Options > Units entries: the units each chooses.
struct UnitsEntry {
    const char* name;
    const char* caption;
    Units units;
};
constexpr UnitsEntry kUnitsEntries[] = {
    {"UnitsMetric", QT_TRANSLATE_NOOP("Kelvane", "&Millimetres and Kilograms"), Units::Metric},
    {"UnitsImperial", QT_TRANSLATE_NOOP("Kelvane", "&Inches and Pounds"), Units::Imperial},
};

// A menu's title or an entry's caption, in the language in use and retranslated.
QMenu* addShownMenu(QWidget* bar, QMenu* parentMenu, const char* english) {
    QMenu* menu = parentMenu ? parentMenu->addMenu(QString())
                             : static_cast<QMenuBar*>(bar)->addMenu(QString());
    showText(menu, "title", english);
    return menu;
}

QAction* addShownAction(QMenu* menu, const char* english, const QString& keys = {}) {
    QAction* entry = menu->addAction(QString());
    // The keys after a tab stay as they are in every language.
    showText(entry, "text", QString::fromUtf8(english) + keys);
    return entry;
}

// The access key of a caption's "&", which the Material menu's entries leave free.
std::string accessKeyOf(const QString& caption) {
    const auto marker = caption.indexOf(QLatin1Char('&'));
    if (marker < 0 || marker + 1 >= caption.size())
        return {};
    return caption.mid(marker + 1, 1).toStdString();
}

} // namespace

void MainWindow::buildMenus() {
    QMenu* file = addShownMenu(menuBar(), nullptr, QT_TRANSLATE_NOOP("Kelvane", "&File"));
    file->setObjectName(QStringLiteral("File1"));
    buildKeyEntries(file);
    QAction* exit = addShownAction(file, QT_TRANSLATE_NOOP("Kelvane", "E&xit"));
    exit->setObjectName(QStringLiteral("FileExit1"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    materialMenu_ = addShownMenu(menuBar(), nullptr, QT_TRANSLATE_NOOP("Kelvane", "&Material"));
    materialMenu_->setObjectName(QStringLiteral("Material1"));
    materialEntries_ = new QActionGroup(this);
    materialEntries_->setExclusive(true);
    connect(materialEntries_, &QActionGroup::triggered, this, &MainWindow::chooseMaterialEntry);
    connect(materialMenu_, &QMenu::aboutToShow, this, &MainWindow::buildMaterialMenu);
    // Reachable also when no material was read, so that a broken table can be repaired.
    editMaterialsSeparator_ = materialMenu_->addSeparator();
    editMaterials_ = addShownAction(materialMenu_, kEditMaterialsCaption);
    editMaterials_->setObjectName(QStringLiteral("EditMaterials1"));
    connect(editMaterials_, &QAction::triggered, this, &MainWindow::openMaterialTable);

    QMenu* options = addShownMenu(menuBar(), nullptr, QT_TRANSLATE_NOOP("Kelvane", "&Options"));
    options->setObjectName(QStringLiteral("Options1"));
    commercialRoundingAction_ =
        addShownAction(options, QT_TRANSLATE_NOOP("Kelvane", "&Commercial Rounding"));
    commercialRoundingAction_->setObjectName(QStringLiteral("CommercialRounding1"));
    commercialRoundingAction_->setCheckable(true);
    commercialRoundingAction_->setChecked(true);
    connect(commercialRoundingAction_, &QAction::triggered, this,
            &MainWindow::switchCommercialRounding);

    buildFractionMenu(options);
    buildUnitsMenu(options);
    languageEntries_ = addLanguageMenu(*options, languageSetting(settings_),
                                       [this](const std::string& code) { chooseLanguage(code); });

    QMenu* help = addShownMenu(menuBar(), nullptr, QT_TRANSLATE_NOOP("Kelvane", "&Help"));
    help->setObjectName(QStringLiteral("Help1"));
    QAction* about = addShownAction(help, QT_TRANSLATE_NOOP("Kelvane", "&About"));
    about->setObjectName(QStringLiteral("About1"));
    connect(about, &QAction::triggered, this, &MainWindow::showAboutBox);
}

// The finder and the page keys as menu entries, so the menu teaches their keys to
// users and screen readers alike. They stand in the File menu: the Material menu
// lists the materials alone. The page keys are the window's own shortcuts, bound in
// every form a keyboard sends them (addPageKeys); their entries show the keys after
// a tab in the caption, so that no second shortcut makes the keys ambiguous.
void MainWindow::buildKeyEntries(QMenu* file) {
    QAction* find = addShownAction(file, QT_TRANSLATE_NOOP("Kelvane", "&Find Material…"));
    find->setObjectName(QStringLiteral("FindMaterial1"));
    find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    connect(find, &QAction::triggered, this, &MainWindow::openMaterialFinder);
    file->addSeparator();
    const auto keys = [](QKeySequence sequence) {
        return QLatin1Char('\t') + sequence.toString(QKeySequence::NativeText);
    };
    QAction* next = addShownAction(file, QT_TRANSLATE_NOOP("Kelvane", "&Next Page"),
                                   keys(QKeySequence(Qt::CTRL | Qt::Key_Tab)));
    next->setObjectName(QStringLiteral("NextPage1"));
    connect(next, &QAction::triggered, this, [this] { pageControl_->stepTab(+1); });
    QAction* previous = addShownAction(file, QT_TRANSLATE_NOOP("Kelvane", "&Previous Page"),
                                       keys(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)));
    previous->setObjectName(QStringLiteral("PreviousPage1"));
    connect(previous, &QAction::triggered, this, [this] { pageControl_->stepTab(-1); });
    file->addSeparator();
}

// Options > Fractions: the nearest 1/32" (the first state) or 1/64" for metric entries.
void MainWindow::buildFractionMenu(QMenu* options) {
    QMenu* fractions = addShownMenu(this, options, QT_TRANSLATE_NOOP("Kelvane", "Fractions"));
    fractions->setObjectName(QStringLiteral("Options21"));
    auto* fractionGroup = new QActionGroup(this);
    for (const FractionEntry& choice : kFractionEntries) {
        QAction* entry = addShownAction(fractions, choice.caption);
        entry->setObjectName(QString::fromLatin1(choice.name));
        entry->setCheckable(true);
        entry->setChecked(choice.resolution == fractionResolution_);
        fractionGroup->addAction(entry);
        connect(entry, &QAction::triggered, this,
                [this, resolution = choice.resolution] { chooseFractionResolution(resolution); });
    }
}

// Options > Units: millimetres and kilograms (the first state) or inches and pounds,
// kept between runs in the settings file.
void MainWindow::buildUnitsMenu(QMenu* options) {
    QMenu* units = addShownMenu(this, options, QT_TRANSLATE_NOOP("Kelvane", "&Units"));
    units->setObjectName(QStringLiteral("UnitsMenu"));
    unitsEntries_ = new QActionGroup(this);
    for (const UnitsEntry& choice : kUnitsEntries) {
        QAction* entry = addShownAction(units, choice.caption);
        entry->setObjectName(QString::fromLatin1(choice.name));
        entry->setCheckable(true);
        entry->setChecked(choice.units == settings_.units);
        entry->setData(static_cast<int>(choice.units));
        unitsEntries_->addAction(entry);
        connect(entry, &QAction::triggered, this,
                [this, units = choice.units] { chooseUnits(units); });
    }
}

void MainWindow::chooseLanguage(const std::string& code) {
    if (code == languageSetting(settings_))
        return;
    setLanguageSetting(settings_, code);
    showLanguage();
    showMaterialPanels();
    // The choice holds for this run even when it cannot be kept.
    runReportingErrors(platform_, [&] {
        saveSettings(platform_.programDir(), settings_, platform_.userDataDir());
    });
}

// Every text of the window, its open boxes and its pages made so far in the language
// chosen; figures and entries stay as they are.
void MainWindow::showLanguage() {
    translations_->use(languageSetting(settings_), platform_.preferredLanguages());
    retranslateShownTexts(this);
    // The Material menu's entries take their access keys afresh when next shown,
    // leaving the key of Edit Materials… in this language free.
    resetMaterialMenuKeys();
    pageControl_->captionsChanged();
}

// The Material menu's entries take their access keys afresh when it is next shown,
// leaving the key of Edit Materials… as the language in use has it free.
void MainWindow::resetMaterialMenuKeys() {
    accessKeys_ = AccessKeys(accessKeyOf(editMaterials_->text()));
    freshEntries_ = 0;
}
} // namespace kelvane
