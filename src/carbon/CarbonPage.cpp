#include "carbon/CarbonPage.h"

#include "platform/Platform.h"
#include "platform/QtText.h"
#include "weights/NumberEntry.h"
#include "weights/NumberKeyFilter.h"

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

QLabel* MakeLabel(std::string_view text, QWidget* parent) {
    return MakePlainLabel(ToQString(text), parent);
}

} // namespace

CarbonPage::CarbonPage(Platform& platform, QWidget* parent)
    : QWidget(parent)
    , platform_(platform) {
    setObjectName(ToQString(kCarbonPageName));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(12, 10, 12, 10);
    grid->setHorizontalSpacing(8);

    auto* filter = new NumberKeyFilter(platform_, this);
    for (std::size_t i = 0; i < kElements.size(); ++i) {
        const ElementDefinition& element = kElements[i];
        const int row = static_cast<int>(i);
        auto* edit = MakeEntryBox(this);
        edit->setObjectName(ToQString(element.objectName));
        edit->setAccessibleName(ToQString(element.caption));
        edit->setMaximumWidth(90);
        edit->installEventFilter(filter);
        grid->addWidget(MakeLabel(element.caption, this), row, 0);
        grid->addWidget(MakeLabel(element.symbol, this), row, 1);
        grid->addWidget(edit, row, 2);
        connect(edit, &QLineEdit::textChanged, this, [this, edit] { ElementEditChange(edit); });
        boxes_[i] = edit;
    }
    grid->setColumnMinimumWidth(3, 24);
    grid->addWidget(buildRating(), 0, 4, static_cast<int>(kElements.size()), 1, Qt::AlignTop);

    auto* result = new QHBoxLayout;
    result->addWidget(MakeLabel(kCarbonResultCaption, this));
    CEVLbl = MakeLabel({}, this);
    CEVLbl->setObjectName(QStringLiteral("CEVLbl"));
    QFont bold = CEVLbl->font();
    bold.setBold(true);
    CEVLbl->setFont(bold);
    result->addWidget(CEVLbl);
    result->addStretch(1);
    grid->setRowMinimumHeight(static_cast<int>(kElements.size()), 14);
    grid->addLayout(result, static_cast<int>(kElements.size()) + 1, 0, 1, -1);

    grid->setRowStretch(grid->rowCount(), 1);
    grid->setColumnStretch(grid->columnCount(), 1);
    resetToFirstState();
}

QWidget* CarbonPage::buildRating() {
    auto* rating = new QWidget(this);
    auto* grid = new QGridLayout(rating);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(0);
    grid->setHorizontalSpacing(12);

    // A display-only pointer: 0 at the top, a tick at every position.
    CEVTrackBar = new QSlider(Qt::Vertical, rating);
    CEVTrackBar->setObjectName(QStringLiteral("CEVTrackBar"));
    CEVTrackBar->setAccessibleName(ToQString(kCarbonRatingCaption));
    CEVTrackBar->setInvertedAppearance(true);
    CEVTrackBar->setTickPosition(QSlider::TicksBothSides);
    CEVTrackBar->setTickInterval(1);
    CEVTrackBar->setEnabled(false);
    CEVTrackBar->setFixedHeight(kRatingRowHeight * static_cast<int>(kCarbonBands.size()));
    grid->addWidget(CEVTrackBar, 0, 0, static_cast<int>(kCarbonBands.size()), 1);

    for (std::size_t i = 0; i < kCarbonBands.size(); ++i) {
        const int row = static_cast<int>(i);
        grid->setRowMinimumHeight(row, kRatingRowHeight);
        grid->addWidget(MakeLabel(kCarbonBands[i].range, rating), row, 1);
        grid->addWidget(MakeLabel(kCarbonBands[i].rating, rating), row, 2);
    }
    return rating;
}

void CarbonPage::ElementEditChange(QLineEdit* sender) {
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        if (boxes_[i] == sender) {
            contents_[i] = ParseEditValue(sender->text().toStdString(), platform_.separators());
            CalcCEV();
            return;
        }
    }
}

void CarbonPage::CalcCEV() {
    CEV = kelvane::CalcCEV(contents_);
    CEVLbl->setText(QString::fromStdString(CarbonEquivalentText(CEV, platform_.separators())));
    CEVTrackBar->setValue(CarbonBandPosition(CEV));
}

void CarbonPage::resetToFirstState() {
    for (QLineEdit* box : boxes_) {
        const QSignalBlocker blocker(box);
        box->clear();
    }
    contents_ = ElementContents{};
    CEV = 0;
    CEVLbl->setText(QString::fromStdString(CarbonEquivalentText(0, platform_.separators())));
    CEVTrackBar->setRange(0, kCarbonLastPosition);
    CEVTrackBar->setValue(0);
}

} // namespace kelvane
