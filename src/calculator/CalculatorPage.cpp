#include "calculator/CalculatorPage.h"

#include "platform/ErrorReport.h"
#include "platform/Platform.h"
#include "platform/QtText.h"
#include "platform/ShownText.h"
#include "widgets/KeyInput.h"
#include "widgets/PageContext.h"
#include "widgets/PageScaffold.h"

#include <QApplication>
#include <QKeyEvent>

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QVBoxLayout>

namespace kelvane {

namespace {

// The page's grid: the display above the keypad, the tape to the keypad's right,
// the tape's top a pixel above the first row of keys.
constexpr PageSpacing kCalculatorSpacing{
    .left = 8, .top = 112, .right = 8, .bottom = 8, .horizontal = 14, .vertical = 3};
constexpr int kKeypadTopGap = 1;
// The keypad: 42-pixel buttons on a 48-pixel pitch.
constexpr int kButtonSize = 42;
constexpr int kButtonSpacing = 6;
constexpr QSize kDisplaySize(185, 36);
constexpr QSize kTapeSize(177, 218);

struct KeypadButton {
    const char* name;
    const char* caption;
    char code; // the key code the button carries as its tag
    int column;
    int row;
};

constexpr KeypadButton kKeypad[] = {
    {"Button_MPlus", "M +", CalculatorKey::MemoryAdd, 0, 0},
    {"Button_MMinus", "M -", CalculatorKey::MemorySubtract, 1, 0},
    {"Button_MR", "MR", CalculatorKey::MemoryRecall, 2, 0},
    {"Button_MC", "MC", CalculatorKey::MemoryClear, 3, 0},
    {"Button_7", "7", '7', 0, 1},
    {"Button_8", "8", '8', 1, 1},
    {"Button_9", "9", '9', 2, 1},
    {"Button_Minus", "-", '-', 3, 1},
    {"Button_Percent", "%", '%', 4, 1},
    {"Button_4", "4", '4', 0, 2},
    {"Button_5", "5", '5', 1, 2},
    {"Button_6", "6", '6', 2, 2},
    {"Button_Plus", "+", '+', 3, 2},
    {"Button_C", "C", CalculatorKey::Clear, 4, 2},
    {"Button_1", "1", '1', 0, 3},
    {"Button_2", "2", '2', 1, 3},
    {"Button_3", "3", '3', 2, 3},
    {"Button_Times", "*", '*', 3, 3},
    {"Button_0", "0", '0', 0, 4},
    {"Button_Dec", ".", '.', 1, 4},
    {"Button_Total", "=", '=', 2, 4},
    {"Button_Div", "/", '/', 3, 4},
};

// Spoken names of the buttons whose caption is a sign.
QString buttonAccessibleName(const KeypadButton& button) {
    switch (button.code) {
    case CalculatorKey::MemoryAdd:
        return QT_TRANSLATE_NOOP("Kelvane", "Memory add");
    case CalculatorKey::MemorySubtract:
        return QT_TRANSLATE_NOOP("Kelvane", "Memory subtract");
    case CalculatorKey::MemoryRecall:
        return QT_TRANSLATE_NOOP("Kelvane", "Memory recall");
    case CalculatorKey::MemoryClear:
        return QT_TRANSLATE_NOOP("Kelvane", "Memory clear");
    case CalculatorKey::Clear:
        return QT_TRANSLATE_NOOP("Kelvane", "Clear");
    case '-':
        return QT_TRANSLATE_NOOP("Kelvane", "Minus");
    case '+':
        return QT_TRANSLATE_NOOP("Kelvane", "Plus");
    case '*':
        return QT_TRANSLATE_NOOP("Kelvane", "Times");
    case '/':
        return QT_TRANSLATE_NOOP("Kelvane", "Divide");
    case '%':
        return QT_TRANSLATE_NOOP("Kelvane", "Percent");
    case '.':
        return QT_TRANSLATE_NOOP("Kelvane", "Decimal point");
    case '=':
        return QT_TRANSLATE_NOOP("Kelvane", "Total");
    default:
        return QString::fromLatin1(button.caption);
    }
}

} // namespace

CalculatorPage::CalculatorPage(const PageContext& context, QWidget* parent)
    : QWidget(parent)
    , platform_(context.platform)
    , separators_(context.separators)
    , engine_(context.separators,
              {[this](const std::string& line) { addTapeLine(line); },
               [this](bool visible) { showMemoryButtons(visible); }, context.closeWindow}) {
    // The calculator keeps its size in a page smaller than it needs, as a page without a
    // tab can be: the page then shows less of it instead of pushing the keys together.
    auto* calculator = new QWidget(this);
    PageScaffold scaffold(*calculator, context, kCalculatorSpacing);
    QGridLayout& grid = scaffold.grid();
    grid.setSizeConstraint(QLayout::SetFixedSize);
    buildDisplay();
    grid.addWidget(displayPanel_, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    buildTape();
    grid.addWidget(screenTicket_, 1, 1, Qt::AlignLeft | Qt::AlignTop);
    grid.addLayout(buildKeypad(), 1, 0, Qt::AlignLeft | Qt::AlignTop);
    auto* page = new QGridLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(calculator, 0, 0);
    page->setRowStretch(1, 1);
    page->setColumnStretch(1, 1);
    engine_.setUp(context.windowCaption.toStdString());
    showText(display_, "text", engine_.displayText());
    displayPanel_->show();
    qApp->installEventFilter(this);
}

CalculatorPage::~CalculatorPage() {
    qApp->removeEventFilter(this);
}

bool CalculatorPage::eventFilter(QObject* watched, QEvent* event) {
    // The stack of pages hides every page but the one on display.
    if (event->type() != QEvent::KeyPress || !isVisible())
        return QWidget::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    QWidget* firstReceiver = QApplication::focusWidget() ? QApplication::focusWidget() : window();
    if (widget != firstReceiver || widget->window() != window())
        return QWidget::eventFilter(watched, event);
    const char32_t code = typedCharacter(*static_cast<QKeyEvent*>(event));
    if (code == 0)
        return false; // keys that type nothing, Tab among them, keep their usual meaning
    typeKey(code);
    return true;
}

void CalculatorPage::buildDisplay() {
    displayPanel_ = new QFrame(this);
    displayPanel_->setObjectName(QStringLiteral("DisplayPanel"));
    showText(displayPanel_, "accessibleName", QT_TRANSLATE_NOOP("Kelvane", "Calculator display"));
    // A raised outer edge with a lowered inner one.
    displayPanel_->setFrameStyle(QFrame::Box | QFrame::Raised);
    displayPanel_->setLineWidth(1);
    displayPanel_->setFixedSize(kDisplaySize);
    displayPanel_->hide(); // made visible by the set-up

    display_ = new QLabel(displayPanel_);
    // No name of its own: a screen reader reads the figure shown, inside the panel
    // named "Calculator display".
    display_->setObjectName(QStringLiteral("Display"));
    display_->setTextFormat(Qt::PlainText);
    display_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    display_->setLineWidth(2);
    display_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The display text ends in a blank that keeps the number clear of the bevel; a
    // right-aligned label drops trailing blanks, so the indent keeps that space.
    display_->setIndent(display_->fontMetrics().horizontalAdvance(QLatin1Char(' ')) + 2);
    QPalette colours = display_->palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Disabled, QPalette::WindowText));
    display_->setPalette(colours);
    display_->setAutoFillBackground(true);
    auto* fill = new QVBoxLayout(displayPanel_);
    fill->setContentsMargins(1, 1, 1, 1);
    fill->addWidget(display_);
}

void CalculatorPage::buildTape() {
    screenTicket_ = new QPlainTextEdit(this);
    screenTicket_->setObjectName(QStringLiteral("ScreenTicket"));
    screenTicket_->setAccessibleName(QStringLiteral("Tape"));
    screenTicket_->setFixedSize(kTapeSize);
    screenTicket_->setReadOnly(true);
    screenTicket_->setLineWrapMode(QPlainTextEdit::NoWrap);
    screenTicket_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    screenTicket_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QTextOption lines = screenTicket_->document()->defaultTextOption();
    lines.setAlignment(Qt::AlignRight);
    screenTicket_->document()->setDefaultTextOption(lines);
    QFont typewriter(QStringLiteral("Courier New"));
    typewriter.setStyleHint(QFont::TypeWriter);
    typewriter.setPixelSize(11);
    screenTicket_->setFont(typewriter);
    QPalette colours = screenTicket_->palette();
    colours.setColor(QPalette::Base, QColor(192, 192, 192)); // silver
    colours.setColor(QPalette::Text, Qt::black);
    screenTicket_->setPalette(colours);
}

QGridLayout* CalculatorPage::buildKeypad() {
    auto* keypad = new QGridLayout;
    keypad->setContentsMargins(0, kKeypadTopGap, 0, 0);
    keypad->setSpacing(kButtonSpacing);
    for (const KeypadButton& key : kKeypad) {
        // The decimal key shows the regional separator, which the keyboard types for it.
        const QString caption =
            key.code == '.' ? toQString(separators_.decimal) : QString::fromLatin1(key.caption);
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QString::fromLatin1(key.name));
        showText(button, "accessibleName", buttonAccessibleName(key));
        button->setProperty("tag", static_cast<int>(key.code));
        button->setFixedSize(kButtonSize, kButtonSize);
        keypad->addWidget(button, key.row, key.column);
        connect(button, &QPushButton::clicked, this, [this, button] { pressKeypadButton(button); });
        if (key.code == CalculatorKey::MemoryRecall)
            memoryRecallButton_ = button;
        else if (key.code == CalculatorKey::MemoryClear)
            memoryClearButton_ = button;
    }
    return keypad;
}

void CalculatorPage::typeKey(char32_t code) {
    // On an arithmetic fault the error has been reported; the display keeps its text
    // and the focus stays where it was.
    if (!runReportingErrors(
            platform_, [this, code] { engine_.pressKey(calculatorKeyCode(code, separators_)); }))
        return;
    showText(display_, "text", engine_.displayText());
    // The keyboard rests on the window itself, so no button or tape keeps the focus.
    if (QWidget* focused = window()->focusWidget())
        focused->clearFocus();
}

void CalculatorPage::pressKeypadButton(const QPushButton* button) {
    const int tag = button->property("tag").toInt();
    typeKey(static_cast<char32_t>(tag & 0xFF));
}

void CalculatorPage::addTapeLine(const std::string& line) {
    QTextCursor end(screenTicket_->document());
    end.movePosition(QTextCursor::End);
    if (tapeStarted_)
        end.insertBlock();
    end.insertText(QString::fromStdString(line));
    tapeStarted_ = true;
    QScrollBar* scroll = screenTicket_->verticalScrollBar();
    scroll->setValue(scroll->maximum());
}

void CalculatorPage::showMemoryButtons(bool visible) {
    memoryRecallButton_->setVisible(visible);
    memoryClearButton_->setVisible(visible);
}

} // namespace kelvane
