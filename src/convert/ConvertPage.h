#pragma once

#include <QWidget>

#include <array>
#include <functional>
#include <string_view>

class QGridLayout;
class QLabel;
class QLineEdit;

namespace kelvane {

class Platform;
struct ConversionTexts;

// The "M/I" page: one dimension typed in metric or imperial notation and its ten
// conversions.
class ConvertPage final : public QWidget {
    Q_OBJECT
public:
    // `fractionResolution` gives 32 or 64, as the Options > Fractions choice stands.
    ConvertPage(Platform& platform, std::function<int()> fractionResolution,
                QWidget* parent = nullptr);

    // Works the ten conversions out afresh from the entry box's text.
    void MIConvEditChange();
    // The first state at start-up: entry box and the ten results empty.
    void resetToFirstState();

protected:
    // The entry box's key filter (MIConvEditKeyPress) runs here.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildColumn(QGridLayout* grid, int column, std::string_view heading, bool imperial);
    // Whether the typed character may go into the entry box; Enter moves the focus on,
    // and the regional decimal separator goes in as the point.
    bool MIConvEditKeyPress(char32_t key);
    void showTexts(const ConversionTexts& texts);

    Platform& platform_;
    std::function<int()> fractionResolution_;
    QLineEdit* MIConvEdit = nullptr;
    std::array<QLabel*, 5> ImpLabels_{};
    std::array<QLabel*, 5> MetLabels_{};
};

} // namespace kelvane
