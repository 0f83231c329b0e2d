#pragma once

#include <QWidget>

#include <functional>

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
    Platform& platform_;
    std::function<void()> closeRequest_;
};

} // namespace kelvane
