#include "BmpEncoder.hpp"

namespace {

constexpr std::uint32_t HeadersSize = 14 + 40;
constexpr std::int32_t PixelsPerMetre = 2835; // 72 dpi

void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}

std::vector<std::uint8_t> headers(int width, int height, int depth, std::uint32_t paletteBytes,
                                  std::uint32_t rowBytes) {
    const std::uint32_t imageBytes = rowBytes * std::uint32_t(height);
    const std::uint32_t offset = HeadersSize + paletteBytes;
    std::vector<std::uint8_t> out;
    out.reserve(offset + imageBytes);
    // BITMAPFILEHEADER
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + imageBytes);
    put32(out, 0);
    put32(out, offset);
    // BITMAPINFOHEADER
    put32(out, 40);
    put32(out, std::uint32_t(width));
    put32(out, std::uint32_t(height));
    put16(out, 1);
    put16(out, std::uint32_t(depth));
    put32(out, 0); // BI_RGB
    put32(out, imageBytes);
    put32(out, PixelsPerMetre);
    put32(out, PixelsPerMetre);
    put32(out, paletteBytes / 4);
    put32(out, 0);
    return out;
}

std::uint32_t paddedRow(std::uint32_t bytes) {
    return (bytes + 3) & ~3u;
}

} // namespace

std::vector<std::uint8_t> BmpEncoder::encode(const Canvas& picture) {
    const std::uint32_t rowBytes = paddedRow(std::uint32_t(picture.width()) * 3);
    std::vector<std::uint8_t> out = headers(picture.width(), picture.height(), 24, 0, rowBytes);
    for (int y = picture.height() - 1; y >= 0; --y) {
        std::size_t start = out.size();
        for (int x = 0; x < picture.width(); ++x) {
            Rgb c = picture.get(x, y);
            out.push_back(c.b);
            out.push_back(c.g);
            out.push_back(c.r);
        }
        out.resize(start + rowBytes, 0);
    }
    return out;
}

std::vector<std::uint8_t> BmpEncoder::encode(const Mask& picture, Rgb off, Rgb on) {
    const std::uint32_t rowBytes = paddedRow((std::uint32_t(picture.width()) + 7) / 8);
    std::vector<std::uint8_t> out = headers(picture.width(), picture.height(), 1, 8, rowBytes);
    for (Rgb c : {off, on}) {
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }
    for (int y = picture.height() - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(rowBytes, 0);
        for (int x = 0; x < picture.width(); ++x)
            if (picture.at(x, y))
                row[std::size_t(x) / 8] |= std::uint8_t(0x80u >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}
