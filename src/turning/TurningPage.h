#pragma once

#include "turning/TurningPageModel.h"
#include "widgets/PageScaffold.h"
#include "widgets/SettingsListener.h"

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace kelvane {

class MaterialState;
class Platform;
struct PageContext;

// The "Turning" page: the cost of bars turned down from a larger feedstock. Every
// change of a box stores its value and recalculates the page with the density in
// use at that moment; the window has it follow a change of density while on display.
class TurningPage final : public QWidget, public SettingsListener {
    Q_OBJECT
public:
    // Made in its first state: values 0, boxes empty, "Tonne" checked in both pairs,
    // the start-up texts.
    explicit TurningPage(const PageContext& context, QWidget* parent = nullptr);

    // Works the page out afresh from its stored values, the two basis choices and
    // the density in use.
    void calcTurned();
    // Brings the figures to the density in use, once the page has been worked out:
    // its first state shows no figure that the density could change.
    void followDensity();
    void densityChanged() override { followDensity(); }

private:
    // One basis choice: "Tonne" or "Lump Sum", exclusive of each other.
    struct BasisPair {
        QRadioButton* tonne = nullptr;
        QRadioButton* lumpSum = nullptr;
    };

    void addBox(std::size_t box, int row, int column);
    QLabel* addResultLabel(const char* name, int row, int column, int columnSpan = 1);
    BasisPair addBasisPair(const char* namePrefix, int row, int column);
    void buildFeedstock();
    void buildCosts();
    void buildProduced();
    void boxChanged(std::size_t box, double value);
    CostBasis basis(const BasisPair& pair) const;
    void showTexts();
    void clearFeedstock();
    void copyProducedCost();

    Platform& platform_;
    const MaterialState& materials_;
    TurningPageModel model_;
    PageScaffold scaffold_;
    bool calculated_ = false;
    std::array<QLineEdit*, kTurningBoxes.size()> boxes_{};
    BasisPair stockBasis_;
    BasisPair turningBasis_;
    QLabel* feedPerMetreLabel_ = nullptr;
    QLabel* feedPerBarLabel_ = nullptr;
    QLabel* feedTotalLabel_ = nullptr;
    QLabel* totalCostLabel_ = nullptr;
    QLabel* productionLossLabel_ = nullptr;
    QLabel* producedPerMetreLabel_ = nullptr;
    QLabel* producedCostLabel_ = nullptr;
};

} // namespace kelvane
