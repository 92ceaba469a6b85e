// The help page as delivered: one file. Its pictures of Velutreck's window are kept beside it in
// docs/pictures/ while it is written, and the build puts each one into the page itself as a data:
// address, so that the delivery stays three files and the page still shows them when opened alone.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace velutreck {

// RFC 4648 Base64 with padding.
std::string Base64(std::string_view bytes);

// The page with every src="pictures/NAME.png" replaced by the picture's bytes as a data: address.
// `readPicture` gives a picture's bytes by NAME.png, or nothing when there is no such picture;
// a page that names a missing picture throws std::runtime_error naming it.
std::string EmbedPictures(std::string_view page,
                          const std::function<std::optional<std::string>(const std::string&)>& readPicture);

}  // namespace velutreck
