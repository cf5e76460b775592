#include "engine/GraphState.h"

namespace vemlo {

GraphState::GraphState()
    : Movie(static_cast<std::size_t>(MaxFrames + 1) * (MaxQuads + 1)), Quads(MaxQuads + 1) {}

}  // namespace vemlo
