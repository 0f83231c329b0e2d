#pragma once

#include "weights/WeightPages.h"

#include <QWidget>

#include <array>
#include <vector>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;

namespace kelvane {

class MaterialState;
class Platform;

// One weight page, built from its definition: the entry boxes with the number-key
// filter, the Clear button, three results with their copy buttons and, where the
// shape has one, the machining diameter. Every change of a box stores its value
// and recalculates the page with the density in use.
class WeightPage final : public QWidget {
    Q_OBJECT
public:
    WeightPage(const WeightPageDefinition& definition, Platform& platform,
               const MaterialState& materials, QWidget* parent = nullptr);

    QString caption() const;
    // Works the page out afresh from its stored values and the density in use.
    void recalculate();
    // The first state at start-up: every value 0, boxes empty, zero results.
    void resetToFirstState();

private:
    void buildEntryRow(QGridLayout* grid);
    void buildResultRow(QGridLayout* grid);
    void buildMachiningRow(QGridLayout* grid);
    void boxChanged(std::size_t box);
    void clear();
    // Puts result `index` on the clipboard and returns the text copied.
    QString copyResult(std::size_t index);
    void showTexts();

    WeightPageModel model_;
    Platform& platform_;
    const MaterialState& materials_;
    std::vector<QLineEdit*> boxes_;
    std::array<QLabel*, 3> resultLabels_{};
    QLabel* machiningLabel_ = nullptr;
    QComboBox* shapeBox_ = nullptr;
};

} // namespace kelvane
