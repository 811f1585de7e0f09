// A 32-bit surface written as an 8-bit RGB PNG file, whole or not at all.
#include "raster/png_file.h"

#include <png.h>

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "run/whole_file.h"

namespace {

constexpr int rgb_bytes_per_pixel = 3;

// The surface's pixels as red, green and blue bytes, row after row.
std::vector<unsigned char> rgb_bytes(const SDL_Surface* surface)
{
    const SDL_PixelFormat* f = surface->format;
    std::vector<unsigned char> rgb(static_cast<size_t>(surface->w) * surface->h *
                                   rgb_bytes_per_pixel);
    unsigned char* out = rgb.data();
    for (int y = 0; y < surface->h; ++y) {
        const Uint32* row =
            reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(surface->pixels) +
                                            static_cast<std::ptrdiff_t>(y) * surface->pitch);
        for (int x = 0; x < surface->w; ++x) {
            const Uint32 p = row[x];
            *out++ = static_cast<unsigned char>(((p & f->Rmask) >> f->Rshift) << f->Rloss);
            *out++ = static_cast<unsigned char>(((p & f->Gmask) >> f->Gshift) << f->Gloss);
            *out++ = static_cast<unsigned char>(((p & f->Bmask) >> f->Bshift) << f->Bloss);
        }
    }
    return rgb;
}

// The whole PNG file in memory: encoding cannot then fail half-way through a file, and
// every fault of the writing itself comes back with its own errno.
bool encode_png(const SDL_Surface* surface, std::vector<unsigned char>& png, std::string& reason)
{
    const std::vector<unsigned char> rgb = rgb_bytes(surface);
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(surface->w);
    image.height = static_cast<png_uint_32>(surface->h);
    image.format = PNG_FORMAT_RGB;
    png_alloc_size_t size = PNG_IMAGE_PNG_SIZE_MAX(image);
    png.resize(size);
    if (png_image_write_to_memory(&image, png.data(), &size, 0, rgb.data(), 0, nullptr) == 0) {
        reason = image.message;
        return false;
    }
    png.resize(size);
    return true;
}

}  // namespace

bool write_png_file(const SDL_Surface* surface, const std::string& path, std::string& reason)
{
    std::vector<unsigned char> png;
    if (!encode_png(surface, png, reason)) return false;
    const int error = write_whole_file(path, png.data(), png.size());
    if (error != 0) {
        reason = whole_file_reason(error);
        return false;
    }
    return true;
}
