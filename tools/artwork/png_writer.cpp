#include "png_writer.h"

#include <fstream>
#include <stdexcept>
#include <string_view>

#include <zlib.h>

namespace velmora::artwork {
namespace {

void putBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void putChunk(std::vector<std::uint8_t>& out, std::string_view type, const std::vector<std::uint8_t>& data)
{
    putBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    const uLong crc = crc32(0, out.data() + start, static_cast<uInt>(out.size() - start));
    putBigEndian(out, static_cast<std::uint32_t>(crc));
}

}  // namespace

std::vector<std::uint8_t> encodePng(const Image& image)
{
    std::vector<std::uint8_t> raw;
    raw.reserve(static_cast<std::size_t>(image.height()) * (1 + 3 * static_cast<std::size_t>(image.width())));
    for (int y = 0; y < image.height(); ++y) {
        raw.push_back(0);  // no filter
        for (int x = 0; x < image.width(); ++x) {
            const Rgb pixel = image.at(x, y);
            raw.insert(raw.end(), {pixel.r, pixel.g, pixel.b});
        }
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<std::uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), Z_BEST_COMPRESSION) != Z_OK)
        throw std::runtime_error("cannot compress the image");
    packed.resize(packedSize);

    std::vector<std::uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    putBigEndian(header, static_cast<std::uint32_t>(image.width()));
    putBigEndian(header, static_cast<std::uint32_t>(image.height()));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit depth, RGB, deflate, no filter set, no interlace
    putChunk(png, "IHDR", header);
    putChunk(png, "IDAT", packed);
    putChunk(png, "IEND", {});
    return png;
}

bool writePng(const Image& image, const std::string& path)
{
    const std::vector<std::uint8_t> bytes = encodePng(image);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace velmora::artwork
