#include "carbon/CarbonPage.h"

namespace kelvane {

CarbonPage::CarbonPage(Platform& platform, QWidget* parent)
    : QWidget(parent)
    , platform_(platform) {
    setObjectName(QStringLiteral("TabSheet7"));
}

void CarbonPage::resetToFirstState() {}

} // namespace kelvane
