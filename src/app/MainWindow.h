#pragma once

#include "common/AccessKeys.h"
#include "common/Separators.h"
#include "materials/MaterialState.h"
#include "materials/Settings.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class QAction;
class QActionGroup;
class QMenu;

namespace kelvane {

class MaterialFinder;
class PageControl;
class SettingsListener;
class Platform;
class PrinterSetup;
class QuoteBook;
class StatusBar;
class Translations;

// The main window: the menu bar, the page control with its ten pages and the
// four-panel status bar. It owns the density table and the material in use, runs
// the start-up sequence and every way the program ends.
class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Platform& platform, PrinterSetup& printers, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up sequence: density table, Round page, starting material, status
    // bar and commercial rounding. An error in a step is reported and start-up goes
    // on, so the window is always usable.
    void startUp();

    PageControl& pageControl() { return *pageControl_; }
    StatusBar& statusPanels() { return *statusBar_; }
    const MaterialState& materials() const { return materials_; }
    // Brings a page into view by its caption or control name, hidden pages included.
    bool showPage(const QString& captionOrName);
    // Opens the material finder on the material in use; it lists the materials whose
    // names hold what the user types. Its choice makes a material current as the
    // Material menu does, but the material in use chosen again changes nothing.
    void openMaterialFinder();
    // Opens Material > Edit Materials…, the density table in a table to edit.
    void openMaterialTable();
    // Puts an edited table in use at once: the Material menu, its access keys and the
    // finder show it, and the material at `inUse` becomes current as a menu choice
    // makes it, the page on display recomputed.
    void applyMaterialTable(std::vector<MaterialEntry> table, std::size_t inUse);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildKeyEntries(QMenu* file);
    void buildFractionMenu(QMenu* options);
    void buildUnitsMenu(QMenu* options);
    void buildPages();
    void buildMaterialMenu();
    void chooseMaterialEntry(QAction* entry);
    void chooseMaterial(std::size_t position);
    void switchCommercialRounding(bool on);
    void chooseFractionResolution(int resolution);
    void chooseUnits(Units units);
    void chooseLanguage(const std::string& code);
    void showLanguage();
    void resetMaterialMenuKeys();
    // Tells every page made so far the units in use.
    void tellUnits();
    void tellPagesMade(const std::function<void(SettingsListener&)>& tell);
    void showAboutBox();
    bool confirmClose();
    void recalculateShownPage();
    void showMaterialPanels();

    Platform& platform_;
    PrinterSetup& printers_;
    Separators separators_; // read once at start-up
    MaterialState materials_;
    PageControl* pageControl_;
    StatusBar* statusBar_;
    QuoteBook* quote_; // the quote list, kept in its file between runs
    QMenu* materialMenu_ = nullptr;
    QActionGroup* materialEntries_ = nullptr;
    QAction* editMaterialsSeparator_ = nullptr;
    QAction* editMaterials_ = nullptr; // the Material menu's own entry, always last
    AccessKeys accessKeys_;            // the Material menu's, given as its entries are added
    std::size_t freshEntries_ = 0;     // the menu entries that show the table as it stands
    QAction* commercialRoundingAction_ = nullptr;
    int fractionResolution_ = 32;
    Settings settings_;                       // read at start-up, saved when the user changes one
    QActionGroup* unitsEntries_ = nullptr;    // Options > Units
    QActionGroup* languageEntries_ = nullptr; // Options > Language
    Translations* translations_;              // the language in use
    std::unique_ptr<MaterialFinder> finder_;  // made when the finder first opens
};

} // namespace kelvane
