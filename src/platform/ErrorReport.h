#pragma once

#include "platform/Platform.h"

#include <exception>
#include <utility>

namespace kelvane {

// Runs one event's handling and routes any error it raises to the general error
// report, so that no exception ever leaves an event handler. Returns false when
// an error was reported.
template <typename Handler> bool runReportingErrors(Platform& platform, Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (const std::exception& error) {
        platform.showError(error.what());
        return false;
    }
}

} // namespace kelvane
