#include "convert/ConvertPage.h"

#include "common/Caption.h"
#include "common/NumberEntry.h"
#include "convert/DimensionParser.h"
#include "platform/ErrorReport.h"
#include "platform/Platform.h"
#include "platform/QtText.h"
#include "platform/ShownText.h"
#include "widgets/EntryBox.h"
#include "widgets/PageContext.h"
#include "widgets/PageScaffold.h"
#include "widgets/PlainLabel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace kelvane {

namespace {

// The notation help above the entry box, seven lines.
constexpr const char* kNotationHelp = QT_TRANSLATE_NOOP(
    "Kelvane", "To convert between metric and imperial dimensions  enter a number below\n"
               "\n"
               "Metric Format - enter in millimetres (mm):\n"
               "12345 or 12345.678 or 0.512\n"
               "\n"
               "Imperial Format - enter inches, feet, fractions or any combination::\n"
               "1'2\" or 34\" or 1.1/4\" or 12'9.3/4\"");

// Wider margins than a weight page's, and the rows of help, entry and results
// further apart.
constexpr PageSpacing kConvertSpacing{
    .left = 16, .top = 12, .right = 16, .bottom = 12, .horizontal = 6, .vertical = 8};
constexpr int kResultsGap = 10;

// The accessible name of a caption: its text without the closing colon.
QString spokenName(std::string_view caption) {
    return toQString(captionName(caption));
}

} // namespace

ConvertPage::ConvertPage(const PageContext& context, QWidget* parent)
    : QWidget(parent)
    , platform_(context.platform)
    , separators_(context.separators)
    , model_(context.separators, context.fractionResolution) {
    PageScaffold scaffold(*this, context, kConvertSpacing);
    QGridLayout& grid = scaffold.grid();

    QLabel* help = makePlainLabel(QString(), this);
    showText(help, "text", kNotationHelp);
    showText(help, "accessibleName", QT_TRANSLATE_NOOP("Kelvane", "How to enter a dimension"));
    help->setObjectName(QStringLiteral("Label87"));
    grid.addWidget(help, 0, 0, 1, -1);

    entryBox_ = scaffold.textBox(
        "MIConvEdit", QString(),
        [this](char32_t key, const QString& remaining) { return entryKey(key, remaining); },
        [this](const std::string& text) { entryChanged(text); });
    showText(entryBox_, "accessibleName", QT_TRANSLATE_NOOP("Kelvane", "Dimension to convert"));
    showText(entryBox_, "accessibleDescription",
             QT_TRANSLATE_NOOP("Kelvane", "in millimetres, or in feet and inches"));
    entryBox_->setMinimumWidth(entryBox_->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 24);
    auto* entryRow = new QHBoxLayout;
    entryRow->addWidget(entryBox_);
    entryRow->addStretch(1);
    grid.addLayout(entryRow, 1, 0, 1, -1);

    QGridLayout* results = scaffold.addWidthBlock(2);
    // The results stand a little further below the entry box than the rows' spacing.
    results->setContentsMargins(0, kResultsGap, 0, 0);
    results->setHorizontalSpacing(8);
    results->setVerticalSpacing(6);
    buildColumn(results, 0, kImperialHeading, true);
    results->setColumnMinimumWidth(2, 24);
    buildColumn(results, 3, kMetricHeading, false);
    results->setColumnStretch(1, 1);
    results->setColumnStretch(4, 1);
    scaffold.finish();
}

// One column of results: the heading, then five rows of caption and result label.
void ConvertPage::buildColumn(QGridLayout* grid, int column, std::string_view heading,
                              bool imperial) {
    QLabel* headingLabel = makePlainLabel(QString(), this);
    showText(headingLabel, "text", heading);
    showText(headingLabel, "accessibleName", spokenName(heading));
    headingLabel->setObjectName(imperial ? QStringLiteral("ImpHeading")
                                         : QStringLiteral("MetHeading"));
    grid->addWidget(headingLabel, 0, column, 1, 2);

    const auto& captions = imperial ? kImperialCaptions : kMetricCaptions;
    auto& resultLabels = imperial ? imperialLabels_ : metricLabels_;
    const QString prefix = imperial ? QStringLiteral("Imp") : QStringLiteral("Met");
    // Wide enough for the longest result without the column moving as results change.
    const int resultWidth = fontMetrics().horizontalAdvance(QStringLiteral("178956970'11.31/32\""));
    for (std::size_t i = 0; i < resultLabels.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        const QString number = QString::number(row);
        QLabel* caption = makePlainLabel(QString(), this);
        showText(caption, "text", captions[i]);
        showText(caption, "accessibleName", spokenName(captions[i]));
        caption->setObjectName(prefix + QStringLiteral("Caption") + number);
        QLabel* result = makePlainLabel(QString(), this);
        result->setObjectName(prefix + QStringLiteral("Label") + number);
        // Read as its value, labelled by its caption; a name would hide the value.
        caption->setBuddy(result);
        result->setMinimumWidth(resultWidth);
        grid->addWidget(caption, row, column);
        grid->addWidget(result, row, column + 1);
        resultLabels[i] = result;
    }
}

std::optional<char32_t> ConvertPage::entryKey(char32_t key, const QString& remaining) const {
    // The regional decimal separator key acts as the point: where it is a comma,
    // 1000,5 typed reads as 1000.5 mm instead of losing the comma.
    if (key == decimalSeparatorKey(separators_))
        key = U'.';
    if (!dimensionKeyAdmitted(key, remaining.toStdString()))
        return std::nullopt;
    return key;
}

void ConvertPage::entryChanged(const std::string& text) {
    model_.storeEntry(text);
    convertEntry();
}

void ConvertPage::convertEntry() {
    // Emptied first, so that a text that cannot be read leaves every result empty.
    showTexts(ConversionTexts{});
    runReportingErrors(platform_, [this] { showTexts(model_.texts()); });
}

void ConvertPage::showTexts(const ConversionTexts& texts) {
    for (std::size_t i = 0; i < imperialLabels_.size(); ++i) {
        showText(imperialLabels_[i], "text", texts.imperial[i]);
        showText(metricLabels_[i], "text", texts.metric[i]);
    }
}

void ConvertPage::fractionResolutionChanged(int resolution) {
    model_.storeFractionResolution(resolution);
    convertEntry();
}

} // namespace kelvane
