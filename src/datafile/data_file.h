// The *.dat data file: a 48-byte header with the model identifier QMV274, then image bytes 0..3071.
// Pure functions on bytes; reading and writing the file belong to the shell.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "image/memory_image.h"

namespace zrt::datafile {

inline constexpr std::string_view kModelIdentifier = "QMV274";
inline constexpr std::string_view kVersion = "V0100";
inline constexpr std::size_t kHeaderSize = 48;
inline constexpr std::size_t kImageBytes = 3072;  // image bytes 0..3071; byte 3072 is never stored
inline constexpr std::size_t kFileSize = kHeaderSize + kImageBytes;

// The header every saved file starts with.
std::vector<std::uint8_t> header();

// Whether a file's first six bytes are the data file's model identifier (the rest of the header is never
// examined). A file shorter than six bytes is refused.
bool hasModelIdentifier(std::span<const std::uint8_t> file);

// Open: when the identifier matches, puts the file's image bytes into ImageIn[0..3071] and returns true;
// ImageIn[3072] keeps its value. Image bytes past the end of a short file read as 0xFF, so nothing of the
// previous image survives a load. A wrong identifier returns false and leaves ImageIn untouched.
bool load(std::span<const std::uint8_t> file, MemoryImage& imageIn);

// Save: the header followed by ImageOut[0..3071], 3120 bytes.
std::vector<std::uint8_t> serialize(const MemoryImage& imageOut);

}  // namespace zrt::datafile
