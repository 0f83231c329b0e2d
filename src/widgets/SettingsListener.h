#pragma once

#include "common/Units.h"

namespace kelvane {

// How a page hears of a change to the window's settings without the window knowing
// the page's class. The density in use is told to the page on display only, which
// works its figures out afresh (the other pages keep theirs until they are next
// worked out); the Options > Fractions and Units choices are told to every page made
// so far.
class SettingsListener {
public:
    virtual ~SettingsListener() = default;

    // The material or the commercial rounding has changed the density in use.
    virtual void densityChanged() {}
    // Options > Fractions now rounds to the nearest 1/resolution of an inch (32 or 64).
    virtual void fractionResolutionChanged(int resolution) { static_cast<void>(resolution); }
    // Options > Units now reads dimensions and shows weights in `units`.
    virtual void unitsChanged(Units units) { static_cast<void>(units); }

protected:
    SettingsListener() = default;
    SettingsListener(const SettingsListener&) = default;
    SettingsListener& operator=(const SettingsListener&) = default;
};

} // namespace kelvane
