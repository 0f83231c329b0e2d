#include "calculator/CalculatorPage.h"

#include "platform/ErrorReport.h"
#include "platform/Platform.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QVBoxLayout>

namespace kelvane {

namespace {

// Keypad geometry: 42-pixel buttons on a 48-pixel pitch.
constexpr int kColumnX[] = {8, 56, 104, 152, 200};
constexpr int kRowY[] = {152, 200, 248, 296, 344};
constexpr int kButtonSize = 42;

struct KeypadButton {
    const char* name;
    const char* caption;
    char code; // the key code the button carries as its tag
    int column;
    int row;
};

constexpr KeypadButton kKeypad[] = {
    {"Button_MPlus", "M +", CalcKey::MemoryAdd, 0, 0},
    {"Button_MMinus", "M -", CalcKey::MemorySubtract, 1, 0},
    {"Button_MR", "MR", CalcKey::MemoryRecall, 2, 0},
    {"Button_MC", "MC", CalcKey::MemoryClear, 3, 0},
    {"Button_7", "7", '7', 0, 1},
    {"Button_8", "8", '8', 1, 1},
    {"Button_9", "9", '9', 2, 1},
    {"Button_Minus", "-", '-', 3, 1},
    {"Button_Percent", "%", '%', 4, 1},
    {"Button_4", "4", '4', 0, 2},
    {"Button_5", "5", '5', 1, 2},
    {"Button_6", "6", '6', 2, 2},
    {"Button_Plus", "+", '+', 3, 2},
    {"Button_C", "C", CalcKey::Clear, 4, 2},
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
QString ButtonAccessibleName(const KeypadButton& button) {
    switch (button.code) {
    case CalcKey::MemoryAdd:
        return QStringLiteral("Memory add");
    case CalcKey::MemorySubtract:
        return QStringLiteral("Memory subtract");
    case CalcKey::MemoryRecall:
        return QStringLiteral("Memory recall");
    case CalcKey::MemoryClear:
        return QStringLiteral("Memory clear");
    case CalcKey::Clear:
        return QStringLiteral("Clear");
    case '-':
        return QStringLiteral("Minus");
    case '+':
        return QStringLiteral("Plus");
    case '*':
        return QStringLiteral("Times");
    case '/':
        return QStringLiteral("Divide");
    case '%':
        return QStringLiteral("Percent");
    case '.':
        return QStringLiteral("Decimal point");
    case '=':
        return QStringLiteral("Total");
    default:
        return QString::fromLatin1(button.caption);
    }
}

// The calculator's keys are single-byte codes. A typed character beyond that range
// stands for no key at all, like a character the keyboard's code page cannot hold.
constexpr char kNoKey = '?';

char CalculatorKeyCode(char32_t code) {
    return code <= 0xFF ? static_cast<char>(static_cast<unsigned char>(code)) : kNoKey;
}

} // namespace

CalculatorPage::CalculatorPage(Platform& platform, std::function<void()> closeRequest,
                               QWidget* parent)
    : QWidget(parent)
    , platform_(platform)
    , engine_(platform.separators(),
              {[this](const std::string& line) { AddTapeLine(line); },
               [this](bool visible) { showMemoryButtons(visible); }, std::move(closeRequest)}) {
    setObjectName(QStringLiteral("TabSheet9"));
    buildDisplay();
    buildTape();
    buildKeypad();
}

void CalculatorPage::buildDisplay() {
    DisplayPanel = new QFrame(this);
    DisplayPanel->setObjectName(QStringLiteral("DisplayPanel"));
    DisplayPanel->setAccessibleName(QStringLiteral("Calculator display"));
    // A raised outer edge with a lowered inner one.
    DisplayPanel->setFrameStyle(QFrame::Box | QFrame::Raised);
    DisplayPanel->setLineWidth(1);
    DisplayPanel->setGeometry(8, 112, 185, 36);
    DisplayPanel->hide(); // made visible by the set-up

    Display = new QLabel(DisplayPanel);
    Display->setObjectName(QStringLiteral("Display"));
    Display->setAccessibleName(QStringLiteral("Display"));
    Display->setTextFormat(Qt::PlainText);
    Display->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Display->setLineWidth(2);
    Display->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The display text ends in a blank that keeps the number clear of the bevel; a
    // right-aligned label drops trailing blanks, so the indent keeps that space.
    Display->setIndent(Display->fontMetrics().horizontalAdvance(QLatin1Char(' ')) + 2);
    QPalette colours = Display->palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Disabled, QPalette::WindowText));
    Display->setPalette(colours);
    Display->setAutoFillBackground(true);
    auto* fill = new QVBoxLayout(DisplayPanel);
    fill->setContentsMargins(1, 1, 1, 1);
    fill->addWidget(Display);
}

void CalculatorPage::buildTape() {
    ScreenTicket = new QPlainTextEdit(this);
    ScreenTicket->setObjectName(QStringLiteral("ScreenTicket"));
    ScreenTicket->setAccessibleName(QStringLiteral("Tape"));
    ScreenTicket->setGeometry(256, 151, 177, 218);
    ScreenTicket->setReadOnly(true);
    ScreenTicket->setLineWrapMode(QPlainTextEdit::NoWrap);
    ScreenTicket->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ScreenTicket->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QTextOption lines = ScreenTicket->document()->defaultTextOption();
    lines.setAlignment(Qt::AlignRight);
    ScreenTicket->document()->setDefaultTextOption(lines);
    QFont typewriter(QStringLiteral("Courier New"));
    typewriter.setStyleHint(QFont::TypeWriter);
    typewriter.setPixelSize(11);
    ScreenTicket->setFont(typewriter);
    QPalette colours = ScreenTicket->palette();
    colours.setColor(QPalette::Base, QColor(192, 192, 192)); // silver
    colours.setColor(QPalette::Text, Qt::black);
    ScreenTicket->setPalette(colours);
}

void CalculatorPage::buildKeypad() {
    for (const KeypadButton& key : kKeypad) {
        auto* button = new QPushButton(QString::fromLatin1(key.caption), this);
        button->setObjectName(QString::fromLatin1(key.name));
        button->setAccessibleName(ButtonAccessibleName(key));
        button->setProperty("tag", static_cast<int>(key.code));
        button->setGeometry(kColumnX[key.column], kRowY[key.row], kButtonSize, kButtonSize);
        connect(button, &QPushButton::clicked, this, [this, button] { CalcButton_Click(button); });
        if (key.code == CalcKey::MemoryRecall)
            Button_MR = button;
        else if (key.code == CalcKey::MemoryClear)
            Button_MC = button;
    }
}

void CalculatorPage::SetUp(const QString& windowCaption) {
    engine_.SetUp(windowCaption.toStdString());
    Display->setText(QString::fromStdString(engine_.DisplayText()));
    DisplayPanel->show();
}

void CalculatorPage::FormKeyPress(char32_t code) {
    // On an arithmetic fault the error has been reported; the display keeps its text
    // and the focus stays where it was.
    if (!RunReportingErrors(platform_, [this, code] { engine_.PressKey(CalculatorKeyCode(code)); }))
        return;
    Display->setText(QString::fromStdString(engine_.DisplayText()));
    // The keyboard rests on the window itself, so no button or tape keeps the focus.
    if (QWidget* focused = window()->focusWidget())
        focused->clearFocus();
}

void CalculatorPage::CalcButton_Click(const QPushButton* button) {
    const int tag = button->property("tag").toInt();
    FormKeyPress(static_cast<char32_t>(tag & 0xFF));
}

void CalculatorPage::AddTapeLine(const std::string& line) {
    QTextCursor end(ScreenTicket->document());
    end.movePosition(QTextCursor::End);
    if (tapeStarted_)
        end.insertBlock();
    end.insertText(QString::fromStdString(line));
    tapeStarted_ = true;
    QScrollBar* scroll = ScreenTicket->verticalScrollBar();
    scroll->setValue(scroll->maximum());
}

void CalculatorPage::showMemoryButtons(bool visible) {
    Button_MR->setVisible(visible);
    Button_MC->setVisible(visible);
}

} // namespace kelvane
