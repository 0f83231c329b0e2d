#include "convert/ConvertPage.h"

namespace kelvane {

ConvertPage::ConvertPage(Platform& platform, std::function<int()> fractionResolution,
                         QWidget* parent)
    : QWidget(parent)
    , platform_(platform)
    , fractionResolution_(std::move(fractionResolution)) {
    setObjectName(QStringLiteral("TabSheet8"));
}

void ConvertPage::MIConvEditChange() {}

void ConvertPage::resetToFirstState() {}

} // namespace kelvane
