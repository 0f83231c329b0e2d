#pragma once

#include "carbon/CarbonEquivalent.h"

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QSlider;

namespace kelvane {

class Platform;

// The "CE" page: the carbon equivalent of a steel from its analysis and the
// weldability rating it falls in. It keeps its own values and never reads the
// material density.
class CarbonPage final : public QWidget {
    Q_OBJECT
public:
    explicit CarbonPage(Platform& platform, QWidget* parent = nullptr);

    // The first state at start-up: boxes empty, every content 0, "0.00" and the
    // pointer at 0.
    void resetToFirstState();

private:
    QWidget* buildRating();
    void elementChanged(QLineEdit* sender);
    void calcCev();

    Platform& platform_;
    ElementContents contents_{};
    double cev_ = 0;
    std::array<QLineEdit*, kElements.size()> boxes_{};
    QLabel* cevLabel_ = nullptr;
    QSlider* cevTrackBar_ = nullptr;
};

} // namespace kelvane
