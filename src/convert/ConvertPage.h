#pragma once

#include <QWidget>

#include <array>
#include <functional>

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
    void convertEntry();
    // The first state at start-up: entry box and the ten results empty.
    void resetToFirstState();

protected:
    // The entry box's key filter (admitEntryKey) runs here.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildColumn(QGridLayout* grid, int column, const char* heading, bool imperial);
    // Whether the typed character may go into the entry box; Enter moves the focus on.
    bool admitEntryKey(char32_t key);
    void showTexts(const ConversionTexts& texts);

    Platform& platform_;
    std::function<int()> fractionResolution_;
    QLineEdit* entryBox_ = nullptr;
    std::array<QLabel*, 5> imperialLabels_{};
    std::array<QLabel*, 5> metricLabels_{};
};

} // namespace kelvane
