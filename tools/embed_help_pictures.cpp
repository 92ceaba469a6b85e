// embed_help_pictures: writes the delivered help page, with its pictures inside it.
// Usage: embed_help_pictures PAGE PICTURE_FOLDER OUTPUT
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>

#include "delivery/help_page.h"

namespace {

std::optional<std::string> ReadWhole(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::cerr << "usage: embed_help_pictures PAGE PICTURE_FOLDER OUTPUT\n";
        return 2;
    }
    const std::filesystem::path folder = argv[2];
    const std::optional<std::string> page = ReadWhole(argv[1]);
    if (!page) {
        std::cerr << "embed_help_pictures: cannot read " << argv[1] << "\n";
        return 1;
    }
    try {
        const std::string delivered =
            velutreck::EmbedPictures(*page, [&](const std::string& name) { return ReadWhole(folder / name); });
        std::ofstream out(argv[3], std::ios::binary | std::ios::trunc);
        out.write(delivered.data(), static_cast<std::streamsize>(delivered.size()));
        out.close();
        if (!out) {
            std::cerr << "embed_help_pictures: cannot write " << argv[3] << "\n";
            return 1;
        }
    } catch (const std::runtime_error& error) {
        std::cerr << "embed_help_pictures: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
