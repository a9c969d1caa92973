#pragma once

namespace pipwright {

// Waits the given seconds while the window keeps handling events. Returns
// early only when the program is ending.
void pauseKeepingEvents(double seconds);

} // namespace pipwright
