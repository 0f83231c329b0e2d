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
    void SetUp(const QString& windowCaption);
    // A character typed anywhere in the window while this page is on display.
    void FormKeyPress(char32_t code);

private:
    void buildDisplay();
    void buildTape();
    void buildKeypad();
    // A keypad button: its tag carries the key code it stands for.
    void CalcButton_Click(const QPushButton* button);
    void AddTapeLine(const std::string& line);
    void showMemoryButtons(bool visible);

    Platform& platform_;
    CalculatorEngine engine_;
    QFrame* DisplayPanel = nullptr;
    QLabel* Display = nullptr;
    QPlainTextEdit* ScreenTicket = nullptr;
    QPushButton* Button_MR = nullptr;
    QPushButton* Button_MC = nullptr;
    bool tapeStarted_ = false;
};

} // namespace kelvane
