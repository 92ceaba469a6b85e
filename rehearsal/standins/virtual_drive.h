// The virtual CD drive of Nero ImageDrive: the path of the image it has mounted, if any.
#pragma once

#include <optional>
#include <string>

namespace velutreck {

struct VirtualDrive {
    std::optional<std::string> image;

    friend bool operator==(const VirtualDrive&, const VirtualDrive&) = default;
};

}  // namespace velutreck
