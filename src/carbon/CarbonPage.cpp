#include "carbon/CarbonPage.h"

#include "platform/QtText.h"
#include "platform/ShownText.h"
#include "widgets/PageContext.h"
#include "widgets/PageScaffold.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

namespace kelvane {

namespace {

// The height of one rating row; the pointer spans the five rows so that each of
// its positions stands level with its row.
constexpr int kRatingRowHeight = 24;

// The element list stands a little further from its symbols than a weight page's boxes.
constexpr PageSpacing kCarbonSpacing{.horizontal = 8};

} // namespace

CarbonPage::CarbonPage(const PageContext& context, QWidget* parent)
    : QWidget(parent)
    , separators_(context.separators) {
    PageScaffold scaffold(*this, context, kCarbonSpacing);
    QGridLayout& grid = scaffold.grid();
    for (std::size_t i = 0; i < kElements.size(); ++i) {
        const ElementDefinition& element = kElements[i];
        const int row = static_cast<int>(i);
        QLineEdit* edit = scaffold.numberBox(element.objectName, element.caption,
                                             [this, i](double value) { elementChanged(i, value); });
        edit->setMaximumWidth(90);
        grid.addWidget(scaffold.label(element.caption), row, 0);
        grid.addWidget(scaffold.label(element.symbol), row, 1);
        grid.addWidget(edit, row, 2);
    }
    grid.setColumnMinimumWidth(3, 24);
    grid.addLayout(buildRating(scaffold), 0, 4, static_cast<int>(kElements.size()), 1,
                   Qt::AlignTop);

    auto* result = new QHBoxLayout;
    result->addWidget(scaffold.label(kCarbonResultCaption));
    cevLabel_ = scaffold.boldLabel();
    cevLabel_->setObjectName(QStringLiteral("CEVLbl"));
    result->addWidget(cevLabel_);
    result->addStretch(1);
    grid.setRowMinimumHeight(static_cast<int>(kElements.size()), 14);
    grid.addLayout(result, static_cast<int>(kElements.size()) + 1, 0, 1, -1);
    scaffold.finish();
    cevTrackBar_->setRange(0, kCarbonLastPosition);
    showTexts();
}

// The rating: a display-only pointer beside the five bands, one row each.
QGridLayout* CarbonPage::buildRating(const PageScaffold& scaffold) {
    auto* rating = new QGridLayout;
    rating->setContentsMargins(0, 0, 0, 0);
    rating->setVerticalSpacing(0);
    rating->setHorizontalSpacing(12);

    // 0 at the top, a tick at every position.
    cevTrackBar_ = new QSlider(Qt::Vertical, this);
    cevTrackBar_->setObjectName(QStringLiteral("CEVTrackBar"));
    showText(cevTrackBar_, "accessibleName", kCarbonRatingCaption);
    cevTrackBar_->setInvertedAppearance(true);
    cevTrackBar_->setTickPosition(QSlider::TicksBothSides);
    cevTrackBar_->setTickInterval(1);
    cevTrackBar_->setEnabled(false);
    cevTrackBar_->setFixedHeight(kRatingRowHeight * static_cast<int>(kCarbonBands.size()));
    rating->addWidget(cevTrackBar_, 0, 0, static_cast<int>(kCarbonBands.size()), 1);

    for (std::size_t i = 0; i < kCarbonBands.size(); ++i) {
        const int row = static_cast<int>(i);
        rating->setRowMinimumHeight(row, kRatingRowHeight);
        rating->addWidget(scaffold.label(kCarbonBands[i].range), row, 1);
        rating->addWidget(scaffold.label(kCarbonBands[i].rating), row, 2);
    }
    return rating;
}

void CarbonPage::elementChanged(std::size_t element, double value) {
    model_.storeContent(element, value);
    showTexts();
}

void CarbonPage::showTexts() {
    showText(cevLabel_, "text", model_.cevText(separators_));
    cevTrackBar_->setValue(model_.bandPosition());
}

} // namespace kelvane
