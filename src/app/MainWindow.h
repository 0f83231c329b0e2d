#pragma once

#include "materials/MaterialState.h"

#include <QMainWindow>

#include <vector>

class QAction;
class QActionGroup;
class QMenu;

namespace kelvane {

class CalculatorPage;
class CarbonPage;
class ConvertPage;
class PageControl;
class Platform;
class StatusBar;
class TurningPage;
class WeightPage;

// The main window: the menu bar, the page control with its ten pages and the
// four-panel status bar. It owns the density table and the material in use, runs
// the start-up sequence and every way the program ends.
class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Platform& platform, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up sequence: density table, Round page, starting material, status
    // bar, commercial rounding, and every page in its first state. An error in a
    // step is reported and start-up goes on, so the window is always usable.
    void startUp();

    PageControl& pageControl() { return *pageControl_; }
    StatusBar& statusBar() { return *statusBar_; }
    const MaterialState& materials() const { return materials_; }
    // Brings a page into view by its caption or control name, hidden pages included.
    bool showPage(const QString& captionOrName);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildPages();
    void buildMaterialMenu();
    void chooseMaterial(QAction* entry);
    void switchCommercialRounding();
    void showAboutBox();
    void layOutPanels();
    bool confirmClose();
    void recalculateShownWeightPage();
    void showMaterialPanels();
    void putPagesInFirstState();

    Platform& platform_;
    MaterialState materials_;
    PageControl* pageControl_;
    StatusBar* statusBar_;
    QMenu* materialMenu_ = nullptr;
    QActionGroup* materialEntries_ = nullptr;
    std::size_t startingMaterial_ = 0; // the entry checked when the menu is built
    QAction* commercialRoundingAction_ = nullptr;
    QAction* fraction32Action_ = nullptr;
    QAction* fraction64Action_ = nullptr;
    std::vector<WeightPage*> weightPages_;
    TurningPage* turningPage_ = nullptr;
    CarbonPage* carbonPage_ = nullptr;
    ConvertPage* convertPage_ = nullptr;
    CalculatorPage* calculatorPage_ = nullptr;
};

} // namespace kelvane
