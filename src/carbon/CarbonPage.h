#pragma once

#include "carbon/CarbonEquivalent.h"
#include "common/Separators.h"

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QSlider;

namespace kelvane {

struct PageContext;

// The "CE" page: the carbon equivalent of a steel from its analysis and the
// weldability rating it falls in. It keeps its own values and never reads the
// material density.
class CarbonPage final : public QWidget {
    Q_OBJECT
public:
    // Made in its first state: boxes empty, every content 0, "0.00" and the pointer at 0.
    explicit CarbonPage(const PageContext& context, QWidget* parent = nullptr);

private:
    QWidget* buildRating();
    void elementChanged(std::size_t element);
    void showCev(double cev);

    Separators separators_;
    ElementContents contents_{};
    std::array<QLineEdit*, kElements.size()> boxes_{};
    QLabel* cevLabel_ = nullptr;
    QSlider* cevTrackBar_ = nullptr;
};

} // namespace kelvane
