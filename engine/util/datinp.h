// The raw-data record DATINP, filled by the DATA section.
#pragma once

namespace engine {

struct DATINP {};

}  // namespace engine
