#include "platform/nero_image_chunks.h"

namespace velutreck {

namespace {

constexpr std::size_t ChunkHeaderSize = 8;  // id and payload size
constexpr std::size_t LongFooterSize = 12;   // "NER5" and a 64-bit offset
constexpr std::size_t ShortFooterSize = 8;   // "NERO" and a 32-bit offset

struct Footer {
    NeroImageVersion version;
    std::uint64_t at;  // where the footer begins, so where the chain must end
    std::uint64_t firstChunk;
};

std::optional<Footer> ReadFooter(const FileSystem& files, const std::string& path, std::uint64_t fileSize) {
    const std::size_t length = fileSize < LongFooterSize ? static_cast<std::size_t>(fileSize) : LongFooterSize;
    const auto tail = files.ReadFileRange(path, fileSize - length, length);
    if (!tail) {
        return std::nullopt;
    }
    const std::string_view bytes = *tail;
    if (length == LongFooterSize && bytes.substr(0, 4) == "NER5") {
        return Footer{NeroImageVersion::Two, fileSize - LongFooterSize, NeroNumber(bytes, 4, 8)};
    }
    if (length >= ShortFooterSize && bytes.substr(length - ShortFooterSize, 4) == "NERO") {
        return Footer{NeroImageVersion::One, fileSize - ShortFooterSize, NeroNumber(bytes, length - 4, 4)};
    }
    return std::nullopt;
}

}  // namespace

std::uint64_t NeroNumber(std::string_view bytes, std::size_t at, std::size_t width) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

std::optional<NeroImageChain> ReadNeroImageChain(const FileSystem& files, const std::string& path) {
    const auto fileSize = files.FileSize(path);
    const auto footer = fileSize ? ReadFooter(files, path, *fileSize) : std::nullopt;
    if (!footer || footer->firstChunk >= footer->at || footer->at - footer->firstChunk > NeroImageChainLimit) {
        return std::nullopt;
    }
    const auto bytes = files.ReadFileRange(path, footer->firstChunk,
                                           static_cast<std::size_t>(footer->at - footer->firstChunk));
    if (!bytes) {
        return std::nullopt;
    }
    NeroImageChain chain{footer->version, footer->firstChunk, {}};
    std::size_t at = 0;
    // Every chunk moves forward by at least its header, so the walk ends at the footer at the latest.
    while (bytes->size() - at >= ChunkHeaderSize) {
        const std::string id = bytes->substr(at, 4);
        const std::uint64_t size = NeroNumber(*bytes, at + 4, 4);
        at += ChunkHeaderSize;
        if (size > bytes->size() - at) {
            return std::nullopt;
        }
        chain.chunks.push_back({id, bytes->substr(at, static_cast<std::size_t>(size))});
        at += static_cast<std::size_t>(size);
        if (id == "END!") {
            return chain;
        }
    }
    return std::nullopt;
}

}  // namespace velutreck
