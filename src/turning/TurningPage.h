#pragma once

#include <QWidget>

namespace kelvane {

class MaterialState;
class Platform;

// The "Turning" page: the cost of bars turned down from a larger feedstock.
class TurningPage final : public QWidget {
    Q_OBJECT
public:
    TurningPage(Platform& platform, const MaterialState& materials, QWidget* parent = nullptr);

    // The first state at start-up: values 0, boxes empty, the start-up texts.
    void resetToFirstState();

private:
    Platform& platform_;
    const MaterialState& materials_;
};

} // namespace kelvane
