#pragma once

#include "weights/WeightPageModel.h"
#include "widgets/PageScaffold.h"
#include "widgets/SettingsListener.h"

#include <QWidget>

#include <array>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kelvane {

class MaterialState;
class Platform;
class QuoteBook;
struct PageContext;

// One weight page, built from its definition: the entry boxes with the number-key
// filter, the Clear button, three results with their copy buttons and, where the
// shape has one, the machining diameter. Every change of a box stores its value
// and recalculates the page with the density in use. The boxes are read, and the
// figures shown, in the units chosen under Options > Units.
class WeightPage final : public QWidget, public SettingsListener {
    Q_OBJECT
public:
    // Made in its first state: every value 0, boxes empty, zero results.
    WeightPage(const WeightPageDefinition& definition, const PageContext& context,
               QWidget* parent = nullptr);

    // Works the page out afresh from its stored values and the density in use.
    void recalculate();
    void densityChanged() override { recalculate(); }
    // Reads the boxes in the new units and shows the figures in them: the heading and
    // captions name the new units, and the boxes are emptied, since a number typed in
    // one unit means another size in the other.
    void unitsChanged(Units units) override;

private:
    void buildEntryRow();
    void buildResultRow();
    void buildMachiningRow();
    void boxChanged(std::size_t box, const std::string& text);
    // The heading, the captions and what a screen reader says of the boxes and copy
    // buttons, in the units in use.
    void showUnits();
    void clear();
    // Puts result `index` on the clipboard and returns the text copied.
    QString copyResult(std::size_t index);
    // Adds the page's piece, as it stands, to the quote list.
    void addToQuote();
    void showTexts();

    WeightPageModel model_;
    Platform& platform_;
    QuoteBook* quote_;
    QPushButton* addButton_ = nullptr;
    Separators separators_;
    const MaterialState& materials_;
    PageScaffold scaffold_;
    QLabel* heading_ = nullptr;
    std::vector<QLineEdit*> boxes_;
    std::array<QLabel*, 3> resultCaptions_{};
    std::array<QPushButton*, 3> copyButtons_{};
    std::array<QLabel*, 3> resultLabels_{};
    QLabel* machiningLabel_ = nullptr;
    QComboBox* shapeBox_ = nullptr;
};

} // namespace kelvane
