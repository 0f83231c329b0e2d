#pragma once

#include "common/Separators.h"
#include "convert/ConvertPageModel.h"
#include "widgets/SettingsListener.h"

#include <QWidget>

#include <array>
#include <optional>
#include <string>
#include <string_view>

class QGridLayout;
class QLabel;
class QLineEdit;

namespace kelvane {

class Platform;
struct PageContext;

// The "M/I" page: one dimension typed in metric or imperial notation and its ten
// conversions.
class ConvertPage final : public QWidget, public SettingsListener {
    Q_OBJECT
public:
    // Made in its first state: entry box and the ten results empty.
    explicit ConvertPage(const PageContext& context, QWidget* parent = nullptr);

    // The Options > Fractions choice, 32 or 64: the conversions are worked out afresh.
    void fractionResolutionChanged(int resolution) override;

private:
    void buildColumn(QGridLayout* grid, int column, std::string_view heading, bool imperial);
    // What a typed character puts into the entry box, judged against the text that
    // remains once a selection has gone: nothing when refused, the point for the
    // regional decimal separator, otherwise the character itself.
    std::optional<char32_t> entryKey(char32_t key, const QString& remaining) const;
    void entryChanged(const std::string& text);
    // Works the ten conversions out afresh from the stored entry.
    void convertEntry();
    void showTexts(const ConversionTexts& texts);

    Platform& platform_;
    Separators separators_;
    ConvertPageModel model_;
    QLineEdit* entryBox_ = nullptr;
    std::array<QLabel*, 5> imperialLabels_{};
    std::array<QLabel*, 5> metricLabels_{};
};

} // namespace kelvane
