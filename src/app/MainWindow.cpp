#include "app/MainWindow.h"

#include "app/AboutBox.h"
#include "app/LanguageMenu.h"
#include "app/MaterialFinderDialog.h"
#include "app/MaterialTableDialog.h"
#include "app/MenuEntryAccessible.h"
#include "app/PageControl.h"
#include "app/PageKeys.h"
#include "app/PageRegistry.h"
#include "app/StatusBar.h"
#include "common/TextFile.h"
#include "common/TextMark.h"
#include "materials/Favourite.h"
#include "materials/MaterialFinder.h"
#include "materials/NameEncoding.h"
#include "platform/ErrorReport.h"
#include "platform/Platform.h"
#include "platform/QtText.h"
#include "platform/ShownText.h"
#include "platform/Translations.h"
#include "weights/QuoteBook.h"
#include "weights/QuoteStore.h"
#include "widgets/DeferredFileIcon.h"
#include "widgets/PageContext.h"
#include "widgets/SettingsListener.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

// The program's icons are compiled into the window library; a static library's
// resources must be registered by name before first use.
static void registerProgramIcons() {
    Q_INIT_RESOURCE(kelvane);
}

namespace kelvane {

namespace {

constexpr int kInitialClientWidth = 579;
constexpr int kPageControlHeight = 429;

} // namespace

MainWindow::MainWindow(Platform& platform, PrinterSetup& printers, QWidget* parent)
    : QMainWindow(parent)
    , platform_(platform)
    , printers_(printers)
    , separators_(platform.separators())
    , pageControl_(new PageControl)
    , statusBar_(new StatusBar)
    , quote_(
          new QuoteBook(platform, quoteFiles(platform.programDir(), platform.userDataDir()), this))
    , accessKeys_(kMaterialMenuOwnKeys)
    , translations_(new Translations(this)) {
    setObjectName(QStringLiteral("MainForm"));
    registerProgramIcons();
    // The sizes are decoded only when the desktop or the About box first asks for one.
    QList<IconFile> iconFiles;
    for (const int size : {16, 32, 48, 64, 128, 256})
        iconFiles.push_back(
            {QStringLiteral(":/icons/kelvane-%1.png").arg(size), QSize(size, size)});
    const QIcon icon = deferredFileIcon(std::move(iconFiles));
    setWindowIcon(icon);
    QApplication::setWindowIcon(icon);
    QFont windowFont(QStringLiteral("Tahoma"));
    windowFont.setPixelSize(11);
    setFont(windowFont);

    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(pageControl_, 1);
    layout->addWidget(statusBar_);
    setCentralWidget(client);

    installMenuEntryAccessible();
    buildMenus();
    buildPages();
    connect(pageControl_, &PageControl::activePageChanged, this, &MainWindow::recalculateShownPage);
    addPageKeys(*this, *pageControl_);
    resize(kInitialClientWidth,
           menuBar()->sizeHint().height() + kPageControlHeight + StatusBar::kHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center()); // centred on the screen
}

MainWindow::~MainWindow() = default;

// Every page is known from the start; each is made when first shown, with the
// window's settings as they then stand.
void MainWindow::buildPages() {
    for (const PageEntry& entry : pageRegistry()) {
        pageControl_->addPage(toQString(entry.name), toQString(entry.caption), entry.tabShown,
                              [this, make = entry.make] {
                                  const PageContext context{
                                      .platform = platform_,
                                      .separators = separators_,
                                      .materials = materials_,
                                      .windowCaption = windowTitle(),
                                      .fractionResolution = fractionResolution_,
                                      .firstPageWidth =
                                          pageControl_->pageWidth(kInitialClientWidth),
                                      .closeWindow = [this] { close(); },
                                      .quote = quote_,
                                      .printers = &printers_,
                                      .units = settings_.units,
                                  };
                                  return make(context);
                              });
    }
    pageControl_->setActiveIndex(0);
}

void MainWindow::startUp() {
    setWindowTitle(QStringLiteral("Kelvane"));

    // The settings file never stops start-up: whatever is wrong with it gives the
    // first state. It is read first, so that every message is in the language chosen.
    settings_ = readSettings(platform_.programDir(), platform_.userDataDir());
    checkLanguageEntry(*languageEntries_, languageSetting(settings_));
    showLanguage();
    quote_->loadKept();

    const std::string densityPath =
        densityTablePath(platform_.programDir(), platform_.userDataDir());
    DensityTableRead read = readDensityFile(densityPath, separators_);
    materials_.setTable(std::move(read.materials));
    if (read.error)
        platform_.showError(*read.error);

    for (QAction* entry : unitsEntries_->actions())
        entry->setChecked(entry->data().toInt() == static_cast<int>(settings_.units));
    tellUnits();

    showPage(QStringLiteral("Round"));

    // The favourite chooses the starting material among the materials read, also
    // after a density table that failed part-way.
    std::optional<std::string> favourite;
    if (materials_.hasMaterial())
        runReportingErrors(platform_, [&] {
            favourite = readFavourite(platform_.programDir(), platform_.userDataDir());
        });
    materials_.chooseStarting(favourite);

    materials_.setCommercialRounding(true);
    showMaterialPanels();

    if (auto* firstBox = findChild<QLineEdit*>(QStringLiteral("RDiaEdit")))
        firstBox->setFocus();
}

// The Material menu gets its entries, one per table line with the current
// material's checked, when it is first about to be shown rather than at start-up:
// each entry added to a menu costs time in proportion to the entries already there,
// so a table of many thousand lines would hold up the window's first appearance.
// After an edit the entries there are given their new captions the same way.
void MainWindow::buildMaterialMenu() {
    const auto& table = materials_.table();
    const QList<QAction*> entries = materialEntries_->actions();
    if (freshEntries_ == table.size() && static_cast<std::size_t>(entries.size()) == table.size())
        return;
    // The menu's own entry stays after the materials.
    materialMenu_->removeAction(editMaterialsSeparator_);
    materialMenu_->removeAction(editMaterials_);
    for (std::size_t i = freshEntries_; i < table.size(); ++i) {
        const QString caption =
            QString::fromStdString(accessKeys_.caption(displayText(table[i].name)));
        QAction* entry = nullptr;
        if (i < static_cast<std::size_t>(entries.size())) {
            entry = entries[static_cast<qsizetype>(i)];
            entry->setText(caption);
        } else {
            entry = materialMenu_->addAction(caption);
            entry->setCheckable(true);
            entry->setData(static_cast<qulonglong>(i));
            materialEntries_->addAction(entry);
        }
        entry->setChecked(i == materials_.currentPosition());
    }
    materialMenu_->addAction(editMaterialsSeparator_);
    materialMenu_->addAction(editMaterials_);
    freshEntries_ = table.size();
}

void MainWindow::showMaterialPanels() {
    statusBar_->setPanelText(0, shownText(materials_.materialPanelText()));
    statusBar_->setPanelText(1, shownText(materials_.densityPanelText(separators_)));
    statusBar_->setPanelText(2, shownText(materials_.roundingPanelText()));
    statusBar_->lamp().setLit(materials_.roundingOn());
    commercialRoundingAction_->setChecked(materials_.roundingOn());
}

void MainWindow::chooseMaterialEntry(QAction* entry) {
    if (!entry)
        return;
    entry->setChecked(true);
    chooseMaterial(entry->data().toULongLong());
}

void MainWindow::chooseMaterial(std::size_t position) {
    // The finder's choice checks its menu entry too, or the one the menu checks when
    // it is built.
    const QList<QAction*> entries = materialEntries_->actions();
    if (position < static_cast<std::size_t>(entries.size()))
        entries[static_cast<qsizetype>(position)]->setChecked(true);
    materials_.choose(position);
    showMaterialPanels();
    recalculateShownPage();
}

void MainWindow::openMaterialFinder() {
    const auto& table = materials_.table();
    if (!finder_ || finder_->size() != table.size()) {
        std::vector<std::string> names;
        names.reserve(table.size());
        for (const auto& material : table)
            names.push_back(displayText(material.name));
        finder_ = std::make_unique<MaterialFinder>(std::move(names));
    }
    auto* box = new MaterialFinderDialog(
        *finder_, materials_.currentPosition(),
        [this](std::size_t position) {
            // The material in use chosen again changes nothing, not even the rounding.
            if (position != materials_.currentPosition())
                chooseMaterial(position);
        },
        this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // The keys go back to the main window when the finder closes, so the shortcut
    // opens it again at once.
    connect(box, &QDialog::finished, this, [this] { activateWindow(); });
    box->open();
}

void MainWindow::openMaterialTable() {
    auto* box = new MaterialTableDialog(
        platform_, separators_, materials_,
        [this](std::vector<MaterialEntry> table, std::size_t inUse) {
            applyMaterialTable(std::move(table), inUse);
        },
        this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QDialog::finished, this, [this] { activateWindow(); });
    box->open();
}

void MainWindow::applyMaterialTable(std::vector<MaterialEntry> table, std::size_t inUse) {
    materials_.setTable(std::move(table));
    // Entries beyond the new table go; the others take their new captions and access
    // keys when the menu is next shown, and the finder is made afresh.
    const QList<QAction*> entries = materialEntries_->actions();
    for (auto i = entries.size(); i-- > static_cast<qsizetype>(materials_.table().size());)
        delete entries[i];
    resetMaterialMenuKeys();
    finder_.reset();
    chooseMaterial(inUse);
}

void MainWindow::switchCommercialRounding(bool on) {
    materials_.setCommercialRounding(on);
    showMaterialPanels();
    recalculateShownPage();
}

void MainWindow::chooseFractionResolution(int resolution) {
    fractionResolution_ = resolution;
    tellPagesMade(
        [resolution](SettingsListener& page) { page.fractionResolutionChanged(resolution); });
}

// A page not made yet is made with the window's settings as they then stand.
void MainWindow::tellPagesMade(const std::function<void(SettingsListener&)>& tell) {
    for (int i = 0; i < pageControl_->pageCount(); ++i)
        if (auto* listener = dynamic_cast<SettingsListener*>(pageControl_->builtPage(i)))
            tell(*listener);
}

void MainWindow::chooseUnits(Units units) {
    if (units == settings_.units)
        return;
    settings_.units = units;
    tellUnits();
    // The choice holds for this run even when it cannot be kept.
    runReportingErrors(platform_, [&] {
        saveSettings(platform_.programDir(), settings_, platform_.userDataDir());
    });
}

void MainWindow::tellUnits() {
    tellPagesMade([units = settings_.units](SettingsListener& page) { page.unitsChanged(units); });
}

// The weight pages and the turning page read the density. The one on display is
// worked out afresh when the density changes and when it comes into view, so what it
// shows and what its copy buttons copy always belong to the material in use.
void MainWindow::recalculateShownPage() {
    if (auto* listener = dynamic_cast<SettingsListener*>(pageControl_->activePage()))
        listener->densityChanged();
}

bool MainWindow::showPage(const QString& captionOrName) {
    for (int i = 0; i < pageControl_->pageCount(); ++i) {
        if (pageControl_->caption(i) == captionOrName ||
            pageControl_->englishCaption(i) == captionOrName ||
            pageControl_->name(i) == captionOrName) {
            pageControl_->setActiveIndex(i);
            return true;
        }
    }
    return false;
}

void MainWindow::showAboutBox() {
    // A fresh box every time, discarded when it closes; modal, but it does not
    // hold up the event loop.
    auto* box = new AboutBox(platform_, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(true);
    box->open();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    statusBar_->layOutPanels(width());
}

bool MainWindow::confirmClose() {
    // Without any material there is nothing to keep: the saved favourite stays.
    if (!materials_.hasMaterial())
        return true;
    const std::string& name = materials_.currentMaterial();
    bool same = false;
    runReportingErrors(platform_, [&] {
        same = compareFavMat(platform_.programDir(), name, platform_.userDataDir());
    });
    if (same || !platform_.confirm(KELVANE_TEXT("Kelvane", "Confirm"),
                                   KELVANE_TEXT("Kelvane", "Save new Favourite Material?")))
        return true;
    return runReportingErrors(
        platform_, [&] { saveFavMatFile(platform_.programDir(), name, platform_.userDataDir()); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (confirmClose())
        event->accept();
    else
        event->ignore();
}

} // namespace kelvane
