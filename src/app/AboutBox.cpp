#include "app/AboutBox.h"

namespace kelvane {

TAboutBox1::TAboutBox1(Platform& platform, QWidget* parent)
    : QDialog(parent)
    , platform_(platform) {
    setObjectName(QStringLiteral("AboutBox1"));
    setWindowTitle(QStringLiteral("About Kelvane"));
}

} // namespace kelvane
