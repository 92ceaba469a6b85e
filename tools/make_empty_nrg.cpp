// make_empty_nrg: writes Empty.nrg, the silent audio-CD image that is delivered beside
// Velutreck.exe. Usage: make_empty_nrg [output path]; without a path it writes Empty.nrg in the
// current folder.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <system_error>

#include "delivery/nrg_image.h"

namespace velutreck {

namespace {

// Written under a temporary name and renamed at the end, so that a failed run never leaves a
// cut-off image under the real name for the build to take as up to date.
bool WriteWholeFile(const std::filesystem::path& target, const std::string& bytes) {
    std::filesystem::path partial = target;
    partial += ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(partial, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(partial, target, error);
    return !error;
}

}  // namespace

}  // namespace velutreck

int main(int argc, char* argv[]) {
    if (argc > 2) {
        std::cerr << "usage: make_empty_nrg [output path]\n";
        return 2;
    }
    const std::filesystem::path target = argc == 2 ? argv[1] : "Empty.nrg";
    if (!velutreck::WriteWholeFile(target, velutreck::MakeEmptyAudioImage())) {
        std::cerr << "make_empty_nrg: cannot write " << target.string() << "\n";
        return 1;
    }
    return 0;
}
