#pragma once

namespace kelvane {

// The units the weight pages and kelvane-calc work in: millimetres and kilograms (the
// first state), or inches and feet in and pounds out.
enum class Units { Metric, Imperial };

} // namespace kelvane
