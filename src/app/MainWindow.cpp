#include "app/MainWindow.h"

#include "app/AboutBox.h"
#include "app/PageControl.h"
#include "app/StatusBar.h"
#include "calculator/CalculatorPage.h"
#include "carbon/CarbonPage.h"
#include "convert/ConvertPage.h"
#include "materials/Favourite.h"
#include "materials/NameEncoding.h"
#include "materials/TextFile.h"
#include "platform/ErrorReport.h"
#include "platform/KeyInput.h"
#include "platform/Platform.h"
#include "turning/TurningPage.h"
#include "weights/WeightPage.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

// The program's icons are compiled into the window library; a static library's
// resources must be registered by name before first use.
static void registerProgramIcons() {
    Q_INIT_RESOURCE(kelvane);
}

namespace kelvane {

namespace {

constexpr const char* kDensityFileName = "Density_Plastics.csv";
constexpr int kInitialClientWidth = 579;
constexpr int kPageControlHeight = 429;

// The pages in order: control name, caption, and whether a user sees its tab.
struct PageEntry {
    const char* name;
    const char* caption;
    bool tabShown;
};
constexpr PageEntry kPages[] = {
    {"TabSheet1", "Round", true},       {"TabSheet2", "Polygon", true},
    {"TabSheet3", "Flat/Square", true}, {"TabSheet4", "Plate/Sheet", true},
    {"TabSheet5", "Tube", true},        {"TabSheet6", "Hollow Section", false},
    {"TabSheet10", "Turning", false},   {"TabSheet7", "CE", false},
    {"TabSheet8", "M/I", true},         {"TabSheet9", "Calc", false},
};

// Menu captions show names literally: an "&" in a name is not an access key.
QString menuCaption(const QString& name) {
    QString caption = name;
    caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return caption;
}

} // namespace

MainWindow::MainWindow(Platform& platform, QWidget* parent)
    : QMainWindow(parent)
    , platform_(platform)
    , pageControl_(new PageControl)
    , statusBar_(new StatusBar) {
    setObjectName(QStringLiteral("MainForm"));
    registerProgramIcons();
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/kelvane-%1.png").arg(size), QSize(size, size));
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
    client->setMinimumSize(1, 1); // the window has no minimum size of its own
    setCentralWidget(client);

    buildMenus();
    buildPages();
    // The keyboard way through the tabs, as page controls have it.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this), &QShortcut::activated, this,
            [this] { pageControl_->stepTab(+1); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), this),
            &QShortcut::activated, this, [this] { pageControl_->stepTab(-1); });
    resize(kInitialClientWidth,
           menuBar()->sizeHint().height() + kPageControlHeight + StatusBar::kHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center()); // centred on the screen
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File1"));
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("FileExit1"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    materialMenu_ = menuBar()->addMenu(QStringLiteral("&Material"));
    materialMenu_->setObjectName(QStringLiteral("Material1"));
    materialEntries_ = new QActionGroup(this);
    materialEntries_->setExclusive(true);
    connect(materialEntries_, &QActionGroup::triggered, this, &MainWindow::chooseMaterial);
    connect(materialMenu_, &QMenu::aboutToShow, this, &MainWindow::buildMaterialMenu);

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("Options1"));
    commercialRoundingAction_ = options->addAction(QStringLiteral("&Commercial Rounding"));
    commercialRoundingAction_->setObjectName(QStringLiteral("CommercialRounding1"));
    commercialRoundingAction_->setCheckable(true);
    commercialRoundingAction_->setChecked(true);
    connect(commercialRoundingAction_, &QAction::triggered, this,
            &MainWindow::switchCommercialRounding);

    QMenu* fractions = options->addMenu(QStringLiteral("Fractions"));
    fractions->setObjectName(QStringLiteral("Options21"));
    auto* fractionGroup = new QActionGroup(this);
    fraction32Action_ = fractions->addAction(QStringLiteral("Nearest 1/32\""));
    fraction32Action_->setObjectName(QStringLiteral("F32"));
    fraction64Action_ = fractions->addAction(QStringLiteral("Nearest 1/64\""));
    fraction64Action_->setObjectName(QStringLiteral("F64"));
    for (QAction* entry : {fraction32Action_, fraction64Action_}) {
        entry->setCheckable(true);
        fractionGroup->addAction(entry);
        connect(entry, &QAction::triggered, this, [this] { convertPage_->convertEntry(); });
    }

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Help1"));
    QAction* about = help->addAction(QStringLiteral("&About"));
    about->setObjectName(QStringLiteral("About1"));
    connect(about, &QAction::triggered, this, &MainWindow::showAboutBox);
}

void MainWindow::buildPages() {
    const auto& definitions = weightPageDefinitions();
    for (const PageEntry& entry : kPages) {
        const QString name = QString::fromLatin1(entry.name);
        QWidget* page = nullptr;
        for (const auto& definition : definitions) {
            if (definition.pageName == entry.name) {
                auto* weightPage = new WeightPage(definition, platform_, materials_);
                weightPages_.push_back(weightPage);
                page = weightPage;
            }
        }
        if (name == QLatin1String("TabSheet10"))
            page = turningPage_ = new TurningPage(platform_, materials_);
        else if (name == QLatin1String("TabSheet7"))
            page = carbonPage_ = new CarbonPage(platform_);
        else if (name == QLatin1String("TabSheet8"))
            page = convertPage_ = new ConvertPage(
                platform_, [this] { return fraction32Action_->isChecked() ? 32 : 64; });
        else if (name == QLatin1String("TabSheet9"))
            page = calculatorPage_ = new CalculatorPage(platform_, [this] { close(); });
        if (!page) {
            page = new QWidget;
            page->setObjectName(name);
        }
        pageControl_->addPage(page, QString::fromLatin1(entry.caption), entry.tabShown);
    }
}

void MainWindow::startUp() {
    setWindowTitle(QStringLiteral("Kelvane"));

    const std::string densityPath = appFile(platform_.programDir(), kDensityFileName);
    DensityTableRead read = readDensityFile(densityPath, platform_.separators());
    materials_.setTable(std::move(read.materials));
    if (read.error)
        platform_.showError(*read.error);

    showPage(QStringLiteral("Round"));

    // The favourite chooses the starting material; after a bad density table the
    // first material read is taken.
    std::optional<std::string> favourite;
    if (!read.error)
        runReportingErrors(platform_, [&] {
            favourite = readFavourite(platform_.programDir(), platform_.userDataDir());
        });
    startingMaterial_ = materials_.chooseStarting(favourite);

    materials_.startRounding();
    commercialRoundingAction_->setChecked(true);
    showMaterialPanels();
    putPagesInFirstState();

    if (auto* firstBox = findChild<QLineEdit*>(QStringLiteral("RDiaEdit")))
        firstBox->setFocus();
}

// The Material menu gets its entries, one per table line with the starting
// material's checked, when it is first about to be shown rather than at start-up:
// each entry added to a menu costs time in proportion to the entries already there,
// so a table of many thousand lines would hold up the window's first appearance.
void MainWindow::buildMaterialMenu() {
    const auto& table = materials_.table();
    const auto built = static_cast<std::size_t>(materialEntries_->actions().size());
    for (std::size_t i = built; i < table.size(); ++i) {
        QAction* entry = materialMenu_->addAction(
            menuCaption(QString::fromStdString(displayText(table[i].name))));
        entry->setCheckable(true);
        entry->setChecked(i == startingMaterial_);
        entry->setData(static_cast<qulonglong>(i));
        materialEntries_->addAction(entry);
    }
}

void MainWindow::putPagesInFirstState() {
    for (WeightPage* page : weightPages_)
        page->resetToFirstState();
    turningPage_->resetToFirstState();
    carbonPage_->resetToFirstState();
    convertPage_->resetToFirstState();
    fraction32Action_->setChecked(true);
    calculatorPage_->setUp(windowTitle());
}

void MainWindow::showMaterialPanels() {
    const Separators separators = platform_.separators();
    statusBar_->setPanelText(0, QString::fromStdString(materials_.materialPanelText()));
    statusBar_->setPanelText(1, QString::fromStdString(materials_.densityPanelText(separators)));
    statusBar_->setPanelText(2, QString::fromStdString(materials_.roundingPanelText()));
    statusBar_->lamp().setLit(materials_.roundingOn());
    commercialRoundingAction_->setChecked(materials_.roundingOn());
}

void MainWindow::chooseMaterial(QAction* entry) {
    if (!entry)
        return;
    entry->setChecked(true);
    materials_.choose(entry->data().toULongLong());
    showMaterialPanels();
    recalculateShownWeightPage();
}

void MainWindow::switchCommercialRounding() {
    materials_.toggleRounding();
    showMaterialPanels();
    recalculateShownWeightPage();
}

void MainWindow::recalculateShownWeightPage() {
    const QString shown = pageControl_->activeCaption();
    for (WeightPage* page : weightPages_) {
        if (page->caption() == shown) {
            page->recalculate();
            return;
        }
    }
}

bool MainWindow::showPage(const QString& captionOrName) {
    for (int i = 0; i < pageControl_->pageCount(); ++i) {
        if (pageControl_->caption(i) == captionOrName ||
            pageControl_->page(i)->objectName() == captionOrName) {
            pageControl_->setActivePage(pageControl_->page(i));
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
    layOutPanels();
}

void MainWindow::layOutPanels() {
    statusBar_->layOutPanels(width());
}

bool MainWindow::confirmClose() {
    const std::string& name = materials_.currentMaterial();
    bool same = false;
    runReportingErrors(platform_, [&] {
        same = compareFavMat(platform_.programDir(), name, platform_.userDataDir());
    });
    if (same || !platform_.confirm("Confirm", "Save new Favourite Material?"))
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

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // Key preview: while the calculator's page is on display, every character typed
    // anywhere in the window goes to the calculator once, at its first delivery.
    if (event->type() != QEvent::KeyPress || pageControl_->activePage() != calculatorPage_)
        return QMainWindow::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    QWidget* firstReceiver = QApplication::focusWidget() ? QApplication::focusWidget() : this;
    if (widget != firstReceiver || widget->window() != this)
        return QMainWindow::eventFilter(watched, event);
    const char32_t code = typedCharacter(*static_cast<QKeyEvent*>(event));
    if (code == 0)
        return false; // keys that type nothing, Tab among them, keep their usual meaning
    calculatorPage_->typeKey(code);
    return true;
}

} // namespace kelvane
