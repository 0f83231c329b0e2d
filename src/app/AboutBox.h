#pragma once

#include <QDialog>

namespace kelvane {

class Platform;

// The about box: the program's icon, name, version, copyright, two links and a notice.
class TAboutBox1 final : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox1(Platform& platform, QWidget* parent = nullptr);

private:
    Platform& platform_;
};

} // namespace kelvane
