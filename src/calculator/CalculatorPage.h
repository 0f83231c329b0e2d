#pragma once

#include "calculator/CalculatorEngine.h"

#include <QWidget>

#include <string>

class QFrame;
class QGridLayout;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace kelvane {

class Platform;
struct PageContext;

// The "Calc" page: the desk calculator's keypad, display and paper tape.
class CalculatorPage final : public QWidget {
    Q_OBJECT
public:
    // Made set up: the display reads "0.00 " and the tape opens with the window
    // caption. Its "close" key asks the window to close, as the window's own close does.
    explicit CalculatorPage(const PageContext& context, QWidget* parent = nullptr);
    ~CalculatorPage() override;

protected:
    // Key preview: while this page is on display, every character typed anywhere in
    // its window goes to the calculator once, at its first delivery. It has to be an
    // application-wide filter: a key press goes only to the control with the focus (a
    // keypad button, the tape, or none), the calculator must see it before that control
    // does, and no shortcut can stand for every character and Ctrl+letter at once.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A character typed anywhere in the window while this page is on display.
    void typeKey(char32_t code);
    void buildDisplay();
    void buildTape();
    QGridLayout* buildKeypad();
    // A keypad button: its tag carries the key code it stands for.
    void pressKeypadButton(const QPushButton* button);
    void addTapeLine(const std::string& line);
    void showMemoryButtons(bool visible);

    Platform& platform_;
    Separators separators_;
    CalculatorEngine engine_;
    QFrame* displayPanel_ = nullptr;
    QLabel* display_ = nullptr;
    QPlainTextEdit* screenTicket_ = nullptr;
    QPushButton* memoryRecallButton_ = nullptr;
    QPushButton* memoryClearButton_ = nullptr;
    bool tapeStarted_ = false;
};

} // namespace kelvane
