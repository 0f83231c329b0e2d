#pragma once

#include "carbon/CarbonPageModel.h"

#include <QWidget>

#include <array>

class QGridLayout;
class QLabel;
class QSlider;

namespace kelvane {

class PageScaffold;
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
    QGridLayout* buildRating(const PageScaffold& scaffold);
    void elementChanged(std::size_t element, double value);
    void showTexts();

    Separators separators_;
    CarbonPageModel model_;
    QLabel* cevLabel_ = nullptr;
    QSlider* cevTrackBar_ = nullptr;
};

} // namespace kelvane
