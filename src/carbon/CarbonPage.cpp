#include "carbon/CarbonPage.h"

#include "common/NumberEntry.h"
#include "platform/QtText.h"
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

} // namespace

CarbonPage::CarbonPage(const PageContext& context, QWidget* parent)
    : QWidget(parent)
    , separators_(context.separators) {
    PageScaffold scaffold(*this, separators_, 8);
    QGridLayout& grid = scaffold.grid();
    for (std::size_t i = 0; i < kElements.size(); ++i) {
        const ElementDefinition& element = kElements[i];
        const int row = static_cast<int>(i);
        QLineEdit* edit = scaffold.numberBox(element.objectName, element.caption);
        edit->setMaximumWidth(90);
        grid.addWidget(scaffold.label(element.caption), row, 0);
        grid.addWidget(scaffold.label(element.symbol), row, 1);
        grid.addWidget(edit, row, 2);
        connect(edit, &QLineEdit::textChanged, this, [this, i] { elementChanged(i); });
        boxes_[i] = edit;
    }
    grid.setColumnMinimumWidth(3, 24);
    grid.addWidget(buildRating(), 0, 4, static_cast<int>(kElements.size()), 1, Qt::AlignTop);

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
    showCev(0);
}

QWidget* CarbonPage::buildRating() {
    auto* rating = new QWidget(this);
    auto* grid = new QGridLayout(rating);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(0);
    grid->setHorizontalSpacing(12);

    // A display-only pointer: 0 at the top, a tick at every position.
    cevTrackBar_ = new QSlider(Qt::Vertical, rating);
    cevTrackBar_->setObjectName(QStringLiteral("CEVTrackBar"));
    cevTrackBar_->setAccessibleName(toQString(kCarbonRatingCaption));
    cevTrackBar_->setInvertedAppearance(true);
    cevTrackBar_->setTickPosition(QSlider::TicksBothSides);
    cevTrackBar_->setTickInterval(1);
    cevTrackBar_->setEnabled(false);
    cevTrackBar_->setFixedHeight(kRatingRowHeight * static_cast<int>(kCarbonBands.size()));
    grid->addWidget(cevTrackBar_, 0, 0, static_cast<int>(kCarbonBands.size()), 1);

    for (std::size_t i = 0; i < kCarbonBands.size(); ++i) {
        const int row = static_cast<int>(i);
        grid->setRowMinimumHeight(row, kRatingRowHeight);
        grid->addWidget(makePlainLabel(toQString(kCarbonBands[i].range), rating), row, 1);
        grid->addWidget(makePlainLabel(toQString(kCarbonBands[i].rating), rating), row, 2);
    }
    return rating;
}

void CarbonPage::elementChanged(std::size_t element) {
    contents_[element] = parseEditValue(boxes_[element]->text().toStdString(), separators_);
    showCev(calcCev(contents_));
}

void CarbonPage::showCev(double cev) {
    cevLabel_->setText(QString::fromStdString(carbonEquivalentText(cev, separators_)));
    cevTrackBar_->setValue(carbonBandPosition(cev));
}

} // namespace kelvane
