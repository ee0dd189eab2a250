// The parameter record SSAPAR of one procedure section.
#pragma once

namespace engine {

struct SSAPAR {};

}  // namespace engine
