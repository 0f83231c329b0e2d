#pragma once

#include <QWidget>

namespace kelvane {

class Platform;

// The "CE" page: the carbon equivalent of a steel and its weldability rating.
class CarbonPage final : public QWidget {
    Q_OBJECT
public:
    explicit CarbonPage(Platform& platform, QWidget* parent = nullptr);

    // The first state at start-up: "0.00" and the pointer at 0.
    void resetToFirstState();

private:
    Platform& platform_;
};

} // namespace kelvane
