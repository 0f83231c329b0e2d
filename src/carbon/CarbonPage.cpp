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
    return makePlainLabel(toQString(text), parent);
}

} // namespace

CarbonPage::CarbonPage(Platform& platform, QWidget* parent)
    : QWidget(parent)
    , platform_(platform) {
    setObjectName(toQString(kCarbonPageName));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(12, 10, 12, 10);
    grid->setHorizontalSpacing(8);

    auto* filter = new NumberKeyFilter(platform_, this);
    for (std::size_t i = 0; i < kElements.size(); ++i) {
        const ElementDefinition& element = kElements[i];
        const int row = static_cast<int>(i);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(toQString(element.objectName));
        edit->setAccessibleName(toQString(element.caption));
        edit->setMaximumWidth(90);
        edit->installEventFilter(filter);
        grid->addWidget(MakeLabel(element.caption, this), row, 0);
        grid->addWidget(MakeLabel(element.symbol, this), row, 1);
        grid->addWidget(edit, row, 2);
        connect(edit, &QLineEdit::textChanged, this, [this, edit] { elementChanged(edit); });
        boxes_[i] = edit;
    }
    grid->setColumnMinimumWidth(3, 24);
    grid->addWidget(buildRating(), 0, 4, static_cast<int>(kElements.size()), 1, Qt::AlignTop);

    auto* result = new QHBoxLayout;
    result->addWidget(MakeLabel(kCarbonResultCaption, this));
    cevLabel_ = MakeLabel({}, this);
    cevLabel_->setObjectName(QStringLiteral("CEVLbl"));
    QFont bold = cevLabel_->font();
    bold.setBold(true);
    cevLabel_->setFont(bold);
    result->addWidget(cevLabel_);
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
    cevTrackBar_ = new QSlider(Qt::Vertical, rating);
    cevTrackBar_->setObjectName(QStringLiteral("CEVTrackBar"));
    cevTrackBar_->setAccessibleName(QStringLiteral("Weldability rating"));
    cevTrackBar_->setInvertedAppearance(true);
    cevTrackBar_->setTickPosition(QSlider::TicksBothSides);
    cevTrackBar_->setTickInterval(1);
    cevTrackBar_->setEnabled(false);
    cevTrackBar_->setFixedHeight(kRatingRowHeight * static_cast<int>(kCarbonBands.size()));
    grid->addWidget(cevTrackBar_, 0, 0, static_cast<int>(kCarbonBands.size()), 1);

    for (std::size_t i = 0; i < kCarbonBands.size(); ++i) {
        const int row = static_cast<int>(i);
        grid->setRowMinimumHeight(row, kRatingRowHeight);
        grid->addWidget(MakeLabel(kCarbonBands[i].range, rating), row, 1);
        grid->addWidget(MakeLabel(kCarbonBands[i].rating, rating), row, 2);
    }
    return rating;
}

void CarbonPage::elementChanged(QLineEdit* sender) {
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        if (boxes_[i] == sender) {
            contents_[i] = parseEditValue(sender->text().toStdString(), platform_.separators());
            calcCev();
            return;
        }
    }
}

void CarbonPage::calcCev() {
    cev_ = kelvane::calcCev(contents_);
    cevLabel_->setText(QString::fromStdString(carbonEquivalentText(cev_, platform_.separators())));
    cevTrackBar_->setValue(carbonBandPosition(cev_));
}

void CarbonPage::resetToFirstState() {
    for (QLineEdit* box : boxes_) {
        const QSignalBlocker blocker(box);
        box->clear();
    }
    contents_ = ElementContents{};
    cev_ = 0;
    cevLabel_->setText(QString::fromStdString(carbonEquivalentText(0, platform_.separators())));
    cevTrackBar_->setRange(0, kCarbonLastPosition);
    cevTrackBar_->setValue(0);
}

} // namespace kelvane
