#include "carbon/CarbonPageModel.h"

namespace kelvane {

void CarbonPageModel::storeContent(std::size_t element, double value) {
    contents_.at(element) = value;
    cev_ = calcCev(contents_);
}

} // namespace kelvane
