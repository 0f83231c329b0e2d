#include "turning/TurningPage.h"

namespace kelvane {

TurningPage::TurningPage(Platform& platform, const MaterialState& materials, QWidget* parent)
    : QWidget(parent)
    , platform_(platform)
    , materials_(materials) {
    setObjectName(QStringLiteral("TabSheet10"));
}

void TurningPage::resetToFirstState() {}

} // namespace kelvane
