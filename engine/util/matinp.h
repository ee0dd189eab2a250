// The input matrix record MATINP, filled by the MATRINP section.
#pragma once

namespace engine {

struct MATINP {};

}  // namespace engine
