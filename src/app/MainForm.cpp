#include "app/MainForm.h"

#include "app/AboutBox.h"
#include "app/MaterialFinderDialog.h"
#include "app/PageControl.h"
#include "app/PageKeys.h"
#include "app/StatusBar.h"
#include "calculator/CalculatorPage.h"
#include "carbon/CarbonPage.h"
#include "convert/ConvertPage.h"
#include "materials/Favourite.h"
#include "materials/MaterialFinder.h"
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
static void RegisterProgramIcons() {
    Q_INIT_RESOURCE(kelvane);
}

namespace kelvane {

namespace {

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

} // namespace

TMainForm::TMainForm(Platform& platform, QWidget* parent)
    : QMainWindow(parent)
    , platform_(platform)
    , PageControl1(new PageControl)
    , JvStatusBar1(new StatusBar) {
    setObjectName(QStringLiteral("MainForm"));
    RegisterProgramIcons();
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
    layout->addWidget(PageControl1, 1);
    layout->addWidget(JvStatusBar1);
    setCentralWidget(client);

    buildMenus();
    buildPages();
    qApp->installEventFilter(new PageKeys(*this, *PageControl1));
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this), &QShortcut::activated, this,
            &TMainForm::openMaterialFinder);
    resize(kInitialClientWidth,
           menuBar()->sizeHint().height() + kPageControlHeight + StatusBar::kHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center()); // centred on the screen
    qApp->installEventFilter(this);
}

TMainForm::~TMainForm() {
    qApp->removeEventFilter(this);
}

void TMainForm::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File1"));
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("FileExit1"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    Material1 = menuBar()->addMenu(QStringLiteral("&Material"));
    Material1->setObjectName(QStringLiteral("Material1"));
    materialEntries_ = new QActionGroup(this);
    materialEntries_->setExclusive(true);
    connect(materialEntries_, &QActionGroup::triggered, this, &TMainForm::MaterialClick);
    connect(Material1, &QMenu::aboutToShow, this, &TMainForm::buildMaterialMenu);

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("Options1"));
    CommercialRounding1 = options->addAction(QStringLiteral("&Commercial Rounding"));
    CommercialRounding1->setObjectName(QStringLiteral("CommercialRounding1"));
    CommercialRounding1->setCheckable(true);
    CommercialRounding1->setChecked(true);
    connect(CommercialRounding1, &QAction::triggered, this, &TMainForm::CommercialRounding1Click);

    QMenu* fractions = options->addMenu(QStringLiteral("Fractions"));
    fractions->setObjectName(QStringLiteral("Options21"));
    auto* fractionGroup = new QActionGroup(this);
    F32 = fractions->addAction(QStringLiteral("Nearest 1/32\""));
    F32->setObjectName(QStringLiteral("F32"));
    F64 = fractions->addAction(QStringLiteral("Nearest 1/64\""));
    F64->setObjectName(QStringLiteral("F64"));
    for (QAction* entry : {F32, F64}) {
        entry->setCheckable(true);
        fractionGroup->addAction(entry);
        connect(entry, &QAction::triggered, this, [this] { convertPage_->MIConvEditChange(); });
    }

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Help1"));
    QAction* about = help->addAction(QStringLiteral("&About"));
    about->setObjectName(QStringLiteral("About1"));
    connect(about, &QAction::triggered, this, &TMainForm::About1Click);
}

void TMainForm::buildPages() {
    const auto& definitions = WeightPageDefinitions();
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
            page = convertPage_ =
                new ConvertPage(platform_, [this] { return F32->isChecked() ? 32 : 64; });
        else if (name == QLatin1String("TabSheet9"))
            page = calculatorPage_ = new CalculatorPage(platform_, [this] { close(); });
        if (!page) {
            page = new QWidget;
            page->setObjectName(name);
        }
        PageControl1->addPage(page, QString::fromLatin1(entry.caption), entry.tabShown);
    }
}

void TMainForm::FormCreate() {
    setWindowTitle(QStringLiteral("Kelvane"));

    const std::string densityPath = AppFile(platform_.programDir(), kDensityFileName);
    DensityTableRead read = ReadDensityFile(densityPath, platform_.separators());
    materials_.setTable(std::move(read.materials));
    if (read.error)
        platform_.showError(*read.error);

    showPage(QStringLiteral("Round"));

    // The favourite chooses the starting material among the materials read, also
    // after a density table that failed part-way.
    std::optional<std::string> favourite;
    if (materials_.hasMaterial())
        RunReportingErrors(platform_, [&] {
            favourite = ReadFavourite(platform_.programDir(), platform_.userDataDir());
        });
    startingMaterial_ = materials_.chooseStarting(favourite);

    materials_.startRounding();
    CommercialRounding1->setChecked(true);
    showMaterialPanels();
    putPagesInFirstState();

    if (auto* firstBox = findChild<QLineEdit*>(QStringLiteral("RDiaEdit")))
        firstBox->setFocus();
}

// The Material menu gets its entries, one per table line with the starting
// material's checked, when it is first about to be shown rather than at start-up:
// each entry added to a menu costs time in proportion to the entries already there,
// so a table of many thousand lines would hold up the window's first appearance.
void TMainForm::buildMaterialMenu() {
    const auto& table = materials_.table();
    const auto built = static_cast<std::size_t>(materialEntries_->actions().size());
    for (std::size_t i = built; i < table.size(); ++i) {
        QAction* entry = Material1->addAction(
            QString::fromStdString(accessKeys_.caption(DisplayText(table[i].Name))));
        entry->setCheckable(true);
        entry->setChecked(i == startingMaterial_);
        entry->setData(static_cast<qulonglong>(i));
        materialEntries_->addAction(entry);
    }
}

void TMainForm::putPagesInFirstState() {
    for (WeightPage* page : weightPages_)
        page->resetToFirstState();
    turningPage_->resetToFirstState();
    carbonPage_->resetToFirstState();
    convertPage_->resetToFirstState();
    F32->setChecked(true);
    calculatorPage_->SetUp(windowTitle());
}

void TMainForm::showMaterialPanels() {
    const Separators separators = platform_.separators();
    JvStatusBar1->setPanelText(0, QString::fromStdString(materials_.materialPanelText()));
    JvStatusBar1->setPanelText(1, QString::fromStdString(materials_.densityPanelText(separators)));
    JvStatusBar1->setPanelText(2, QString::fromStdString(materials_.roundingPanelText()));
    JvStatusBar1->lamp().setLit(materials_.roundingOn());
    CommercialRounding1->setChecked(materials_.roundingOn());
}

void TMainForm::MaterialClick(QAction* entry) {
    if (!entry)
        return;
    entry->setChecked(true);
    chooseMaterial(entry->data().toULongLong());
}

void TMainForm::chooseMaterial(std::size_t position) {
    // The finder's choice checks its menu entry too, or the one the menu checks when
    // it is built.
    const QList<QAction*> entries = materialEntries_->actions();
    if (position < static_cast<std::size_t>(entries.size()))
        entries[static_cast<qsizetype>(position)]->setChecked(true);
    else
        startingMaterial_ = position;
    materials_.choose(position);
    showMaterialPanels();
    recalculateShownWeightPage();
}

void TMainForm::openMaterialFinder() {
    const auto& table = materials_.table();
    if (!finder_ || finder_->size() != table.size()) {
        std::vector<std::string> names;
        names.reserve(table.size());
        for (const auto& material : table)
            names.push_back(DisplayText(material.Name));
        finder_ = std::make_unique<MaterialFinder>(std::move(names));
    }
    auto* box = new MaterialFinderDialog(
        *finder_, [this](std::size_t position) { chooseMaterial(position); }, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // The keys go back to the main window when the finder closes, so the shortcut
    // opens it again at once.
    connect(box, &QDialog::finished, this, [this] { activateWindow(); });
    box->open();
}

void TMainForm::CommercialRounding1Click() {
    materials_.toggleRounding();
    showMaterialPanels();
    recalculateShownWeightPage();
}

void TMainForm::recalculateShownWeightPage() {
    const QString shown = PageControl1->activeCaption();
    for (WeightPage* page : weightPages_) {
        if (page->caption() == shown) {
            page->recalculate();
            return;
        }
    }
}

bool TMainForm::showPage(const QString& captionOrName) {
    for (int i = 0; i < PageControl1->pageCount(); ++i) {
        if (PageControl1->caption(i) == captionOrName ||
            PageControl1->page(i)->objectName() == captionOrName) {
            PageControl1->setActivePage(PageControl1->page(i));
            return true;
        }
    }
    return false;
}

void TMainForm::About1Click() {
    // A fresh box every time, discarded when it closes; modal, but it does not
    // hold up the event loop.
    auto* box = new TAboutBox1(platform_, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(true);
    box->open();
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TMainForm::FormResize() {
    JvStatusBar1->FormResize(width());
}

bool TMainForm::FormCloseQuery() {
    // Without any material there is nothing to keep: the saved favourite stays.
    if (!materials_.hasMaterial())
        return true;
    const std::string& name = materials_.currentMaterial();
    bool same = false;
    RunReportingErrors(platform_, [&] {
        same = CompareFavMat(platform_.programDir(), name, platform_.userDataDir());
    });
    if (same || !platform_.confirm("Confirm", "Save new Favourite Material?"))
        return true;
    return RunReportingErrors(
        platform_, [&] { SaveFavMatFile(platform_.programDir(), name, platform_.userDataDir()); });
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    // Key preview: while the calculator's page is on display, every character typed
    // anywhere in the window goes to the calculator once, at its first delivery.
    if (event->type() != QEvent::KeyPress || PageControl1->activePage() != calculatorPage_)
        return QMainWindow::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    QWidget* firstReceiver = QApplication::focusWidget() ? QApplication::focusWidget() : this;
    if (widget != firstReceiver || widget->window() != this)
        return QMainWindow::eventFilter(watched, event);
    const char32_t code = TypedCharacter(*static_cast<QKeyEvent*>(event));
    if (code == 0)
        return false; // keys that type nothing, Tab among them, keep their usual meaning
    calculatorPage_->FormKeyPress(code);
    return true;
}

} // namespace kelvane
