#include "platform/privilege_isolation.h"

namespace velutreck {

bool RunsAbove(std::optional<std::uint32_t> programLevel, std::uint32_t ownLevel) {
    return programLevel.value_or(HighIntegrity) > ownLevel;
}

}  // namespace velutreck
