// The presentation: its parts in a zip container written here, each part
// deflated by zlib (on Windows linked in statically, so that the module
// imports only Windows' own libraries), and the font families each
// platform's fonts give.

#include "chart/pptx/PptxWriter.hpp"

#define ZLIB_CONST
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "chart/pptx/PptxParts.hpp"
#include "chart/shared/WholeFile.hpp"
#ifdef _WIN32
#include "chart/shared/WindowsFonts.hpp"
#include "platform/windows/Utf16.hpp"
#else
#include "chart/shared/FontMatch.hpp"
#endif

namespace tavrik::chart::pptx {

namespace {

// Every entry is stamped 1980-01-01 00:00:00, the first moment an MS-DOS
// date can hold: the same picture gives the same file.
constexpr std::uint16_t kDosTime = 0;
constexpr std::uint16_t kDosDate = (0 << 9) | (1 << 5) | 1;
// Deflate needs version 2.0 of the format; general flag bit 11 says the
// names are UTF-8.
constexpr std::uint16_t kVersion = 20;
constexpr std::uint16_t kUtf8Names = 1 << 11;
constexpr std::uint16_t kDeflated = 8;
// Made by Windows (NTFS), on every system. Readers that take an MS-DOS origin to mean names
// in an OEM code page would garble the UTF-8 names of a made-by of 0.
constexpr std::uint16_t kMadeBy = (10 << 8) | kVersion;

// Zip numbers are little-endian.
void put16(std::string& out, std::uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

void put32(std::string& out, std::uint32_t value) {
  put16(out, value & 0xFFFF);
  put16(out, value >> 16);
}

// Raw deflate (no zlib header), as zip entries hold it.
bool deflateRaw(std::string_view data, std::string& out) {
  z_stream stream{};
  if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
    return false;
  }
  out.assign(deflateBound(&stream, static_cast<uLong>(data.size())), '\0');
  stream.next_in = reinterpret_cast<const Bytef*>(data.data());
  stream.avail_in = static_cast<uInt>(data.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  const bool ok = deflate(&stream, Z_FINISH) == Z_STREAM_END;
  out.resize(stream.total_out);
  deflateEnd(&stream);
  return ok;
}

// The whole archive: a local header and the deflated data of each part, in
// order, then the central directory and its end record.
bool zipArchive(const std::vector<std::pair<std::string, std::string>>& parts, std::string& zip) {
  constexpr std::size_t kMax = std::numeric_limits<std::uint32_t>::max();
  if (parts.size() > std::numeric_limits<std::uint16_t>::max()) return false;
  std::string directory;
  std::string packed;
  for (const auto& [name, content] : parts) {
    if (name.size() > std::numeric_limits<std::uint16_t>::max() || content.size() >= kMax ||
        zip.size() >= kMax || !deflateRaw(content, packed) || packed.size() >= kMax) {
      return false;
    }
    const auto crc = static_cast<std::uint32_t>(
        crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(content.data()),
              static_cast<uInt>(content.size())));
    const auto offset = static_cast<std::uint32_t>(zip.size());
    // The fields a local header shares with the central directory's entry.
    std::string common;
    put16(common, kVersion);
    put16(common, kUtf8Names);
    put16(common, kDeflated);
    put16(common, kDosTime);
    put16(common, kDosDate);
    put32(common, crc);
    put32(common, static_cast<std::uint32_t>(packed.size()));
    put32(common, static_cast<std::uint32_t>(content.size()));
    put16(common, static_cast<std::uint32_t>(name.size()));
    put16(common, 0);  // no extra field

    put32(zip, 0x04034B50);
    zip += common;
    zip += name;
    zip += packed;

    put32(directory, 0x02014B50);
    put16(directory, kMadeBy);
    directory += common;
    put16(directory, 0);  // no comment
    put16(directory, 0);  // disk 0
    put16(directory, 0);  // internal attributes
    put32(directory, 0);  // external attributes
    put32(directory, offset);
    directory += name;
  }
  if (zip.size() >= kMax || directory.size() >= kMax - zip.size()) return false;
  const auto directoryOffset = static_cast<std::uint32_t>(zip.size());
  zip += directory;
  put32(zip, 0x06054B50);
  put16(zip, 0);  // this disk
  put16(zip, 0);  // the disk the directory starts on
  put16(zip, static_cast<std::uint32_t>(parts.size()));
  put16(zip, static_cast<std::uint32_t>(parts.size()));
  put32(zip, static_cast<std::uint32_t>(directory.size()));
  put32(zip, directoryOffset);
  put16(zip, 0);  // no comment
  return true;
}

}  // namespace

bool writePptx(const TavrikChartPicture& picture, const char* path) {
  const auto family = [](const char* requested) {
#ifdef _WIN32
    return utf16::narrow(shared::resolveFamily(requested));
#else
    return shared::matchFontFamily(requested);
#endif
  };
  const std::vector<std::pair<std::string, std::string>> parts = presentationParts(picture, family);
  std::string zip;
  if (!zipArchive(parts, zip)) return false;
  return shared::writeWholeFile(path, zip);
}

}  // namespace tavrik::chart::pptx
