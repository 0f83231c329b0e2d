#pragma once

#include <QWidget>

#include <functional>

namespace kelvane {

class Platform;

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

private:
    Platform& platform_;
    std::function<int()> fractionResolution_;
};

} // namespace kelvane
