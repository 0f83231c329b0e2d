#pragma once

#include "materials/AccessKeys.h"
#include "materials/MaterialState.h"

#include <QMainWindow>

#include <memory>
#include <vector>

class QAction;
class QActionGroup;
class QMenu;

namespace kelvane {

class CalculatorPage;
class CarbonPage;
class ConvertPage;
class MaterialFinder;
class PageControl;
class Platform;
class StatusBar;
class TurningPage;
class WeightPage;

// The main window: the menu bar, the page control with its ten pages and the
// four-panel status bar. It owns the density table and the material in use, runs
// the start-up sequence and every way the program ends.
class TMainForm final : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(Platform& platform, QWidget* parent = nullptr);
    ~TMainForm() override;

    // The start-up sequence: density table, Round page, starting material, status
    // bar, commercial rounding, and every page in its first state. An error in a
    // step is reported and start-up goes on, so the window is always usable.
    void FormCreate();

    PageControl& pageControl() { return *PageControl1; }
    StatusBar& statusBar() { return *JvStatusBar1; }
    const MaterialState& materials() const { return materials_; }
    // Brings a page into view by its caption or control name, hidden pages included.
    bool showPage(const QString& captionOrName);
    // Opens the material finder, which lists the materials whose names hold what the
    // user types; its choice makes a material current as the Material menu does.
    void openMaterialFinder();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildPages();
    void buildMaterialMenu();
    void MaterialClick(QAction* entry);
    void chooseMaterial(std::size_t position);
    void CommercialRounding1Click();
    void About1Click();
    void FormResize();
    bool FormCloseQuery();
    void recalculateShownWeightPage();
    void showMaterialPanels();
    void putPagesInFirstState();

    Platform& platform_;
    MaterialState materials_;
    PageControl* PageControl1;
    StatusBar* JvStatusBar1;
    QMenu* Material1 = nullptr;
    QActionGroup* materialEntries_ = nullptr;
    AccessKeys accessKeys_;            // the Material menu's, given as its entries are added
    std::size_t startingMaterial_ = 0; // the entry checked when the menu is built
    QAction* CommercialRounding1 = nullptr;
    QAction* F32 = nullptr;
    QAction* F64 = nullptr;
    std::unique_ptr<MaterialFinder> finder_; // made when the finder first opens
    std::vector<WeightPage*> weightPages_;
    TurningPage* turningPage_ = nullptr;
    CarbonPage* carbonPage_ = nullptr;
    ConvertPage* convertPage_ = nullptr;
    CalculatorPage* calculatorPage_ = nullptr;
};

} // namespace kelvane
