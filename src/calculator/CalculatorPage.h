#pragma once

#include "calculator/CalculatorEngine.h"

#include <QWidget>

#include <functional>
#include <string>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace kelvane {

class Platform;

// The "Calc" page: the desk calculator's keypad, display and paper tape.
class CalculatorPage final : public QWidget {
    Q_OBJECT
public:
    // `closeRequest` asks the main window to close, as its own close does.
    CalculatorPage(Platform& platform, std::function<void()> closeRequest,
                   QWidget* parent = nullptr);

    // The calculator's set-up at start-up; the tape opens with the window caption.
    void setUp(const QString& windowCaption);
    // A character typed anywhere in the window while this page is on display.
    void typeKey(char32_t code);

private:
    void buildDisplay();
    void buildTape();
    void buildKeypad();
    // A keypad button: its tag carries the key code it stands for.
    void pressKeypadButton(const QPushButton* button);
    void addTapeLine(const std::string& line);
    void showMemoryButtons(bool visible);

    Platform& platform_;
    CalculatorEngine engine_;
    QFrame* displayPanel_ = nullptr;
    QLabel* display_ = nullptr;
    QPlainTextEdit* screenTicket_ = nullptr;
    QPushButton* memoryRecallButton_ = nullptr;
    QPushButton* memoryClearButton_ = nullptr;
    bool tapeStarted_ = false;
};

} // namespace kelvane
