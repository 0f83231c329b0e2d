#pragma once

namespace kelvane {

// Qt's offscreen platform warns on every window it sizes that it cannot pass size
// hints on; that says nothing about the program, so the driver and the window tests
// drop that one message and let every other through.
void installQuietOffscreenMessages();

} // namespace kelvane
