#include "calculator/CalculatorPage.h"

namespace kelvane {

CalculatorPage::CalculatorPage(Platform& platform, std::function<void()> closeRequest,
                               QWidget* parent)
    : QWidget(parent)
    , platform_(platform)
    , closeRequest_(std::move(closeRequest)) {
    setObjectName(QStringLiteral("TabSheet9"));
}

void CalculatorPage::SetUp(const QString&) {}

void CalculatorPage::FormKeyPress(char32_t) {}

} // namespace kelvane
