// The work area of every monitor: its screen less the task bar and docked bars.
#pragma once

#include <vector>

#include "reachable_position.h"

namespace varnomel {

std::vector<ScreenRect> monitorWorkAreas();

}  // namespace varnomel
