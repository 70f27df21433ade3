// Wraps one PNG image in an ICO container (Vista-style PNG entry), for the window icon.
#include <cstdint>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

namespace {

void put16(std::vector<unsigned char> &out, uint16_t v)
{
    out.push_back(v & 0xff);
    out.push_back(v >> 8);
}

void put32(std::vector<unsigned char> &out, uint32_t v)
{
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}

uint32_t be32(const std::vector<unsigned char> &d, size_t at)
{
    return uint32_t(d[at]) << 24 | uint32_t(d[at + 1]) << 16 | uint32_t(d[at + 2]) << 8 | d[at + 3];
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::cerr << "usage: png2ico IN.png OUT.ico\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::vector<unsigned char> png((std::istreambuf_iterator<char>(in)), {});
    static const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    if (png.size() < 24 || !std::equal(signature, signature + 8, png.begin())) {
        std::cerr << "png2ico: not a PNG file: " << argv[1] << "\n";
        return 1;
    }
    const uint32_t width = be32(png, 16), height = be32(png, 20);
    std::vector<unsigned char> ico;
    put16(ico, 0); // reserved
    put16(ico, 1); // type: icon
    put16(ico, 1); // one image
    ico.push_back(width >= 256 ? 0 : width); // 0 means 256 or more
    ico.push_back(height >= 256 ? 0 : height);
    ico.push_back(0); // no palette
    ico.push_back(0);
    put16(ico, 1);  // colour planes
    put16(ico, 32); // bits per pixel
    put32(ico, uint32_t(png.size()));
    put32(ico, 6 + 16);
    ico.insert(ico.end(), png.begin(), png.end());
    std::ofstream out(argv[2], std::ios::binary);
    out.write(reinterpret_cast<const char *>(ico.data()), std::streamsize(ico.size()));
    return out ? 0 : 1;
}
