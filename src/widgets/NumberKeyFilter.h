#pragma once

#include "common/Separators.h"

#include <QObject>

namespace kelvane {

// The number-key filter of the weight, turning and element boxes, installed on
// each box: characters outside the number keys never reach the box, and Enter
// moves the focus on to the next box.
class NumberKeyFilter final : public QObject {
    Q_OBJECT
public:
    NumberKeyFilter(Separators separators, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Separators separators_;
};

} // namespace kelvane
