#include "encode/gif_writer.h"

#include <gif_lib.h>
#include <libimagequant.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/io/file_io.h"

namespace motivra {

namespace {

int WriteToMemory(GifFileType* gif, const GifByteType* data, int size) {
    auto* bytes = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
    bytes->insert(bytes->end(), data, data + size);
    return size;
}

struct AttrFree {
    void operator()(liq_attr* a) const { liq_attr_destroy(a); }
};
struct ImageFree {
    void operator()(liq_image* i) const { liq_image_destroy(i); }
};
struct ResultFree {
    void operator()(liq_result* r) const { liq_result_destroy(r); }
};
struct MapFree {
    void operator()(ColorMapObject* m) const { GifFreeMapObject(m); }
};
// Closes the file if nothing else did: EGifCloseFile frees it either way.
struct GifClose {
    void operator()(GifFileType* g) const { EGifCloseFile(g, nullptr); }
};

bool Fail(std::string* error, const std::string& why) {
    if (error != nullptr) *error = why;
    return false;
}

}  // namespace

bool WriteAnimatedGif(const std::string& path, const FrameSequence& frames, int fps, int loops,
                      std::string* error) {
    if (frames.width <= 0 || frames.height <= 0 || frames.width > 65535 || frames.height > 65535 ||
        frames.delays.empty() || fps <= 0)
        return Fail(error, "no frames, or a size GIF cannot hold");
    std::vector<std::uint8_t> bytes;
    int code = 0;
    std::unique_ptr<GifFileType, GifClose> gif(EGifOpen(&bytes, WriteToMemory, &code));
    if (!gif) return Fail(error, GifErrorString(code));
    EGifSetGifVersion(gif.get(), true);
    if (EGifPutScreenDesc(gif.get(), frames.width, frames.height, 8, 0, nullptr) == GIF_ERROR)
        return Fail(error, GifErrorString(gif->Error));
    // Netscape's loop block counts the plays after the first; a single play has none.
    if (loops != 1) {
        const int repeats = loops == 0 ? 0 : std::min(loops - 1, 65535);
        const GifByteType name[] = "NETSCAPE2.0";
        const GifByteType count[] = {1, static_cast<GifByteType>(repeats & 0xFF),
                                     static_cast<GifByteType>(repeats >> 8)};
        if (EGifPutExtensionLeader(gif.get(), APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
            EGifPutExtensionBlock(gif.get(), 11, name) == GIF_ERROR ||
            EGifPutExtensionBlock(gif.get(), 3, count) == GIF_ERROR ||
            EGifPutExtensionTrailer(gif.get()) == GIF_ERROR)
            return Fail(error, GifErrorString(gif->Error));
    }
    const std::unique_ptr<liq_attr, AttrFree> attr(liq_attr_create());
    if (!attr) return Fail(error, "out of memory");
    liq_set_speed(attr.get(), 8);
    const std::size_t pixels = static_cast<std::size_t>(frames.width) * frames.height;
    std::vector<std::uint8_t> rgba(pixels * 4), indices(pixels);
    for (std::size_t k = 0; k < frames.delays.size(); ++k) {
        frames.draw(static_cast<int>(k), {rgba.data(), frames.width, frames.height, 4 * frames.width});
        // Half opaque or more is opaque; the rest is one transparent colour, kept out of the palette's
        // choice.
        for (std::size_t i = 0; i < pixels; ++i) {
            std::uint8_t* p = &rgba[4 * i];
            if (p[3] < 128) {
                p[0] = p[1] = p[2] = p[3] = 0;
            } else {
                p[3] = 255;
            }
        }
        const std::unique_ptr<liq_image, ImageFree> image(
            liq_image_create_rgba(attr.get(), rgba.data(), frames.width, frames.height, 0));
        liq_result* quantized = nullptr;
        if (!image || liq_image_quantize(image.get(), attr.get(), &quantized) != LIQ_OK)
            return Fail(error, "the frame's colours could not be chosen");
        const std::unique_ptr<liq_result, ResultFree> result(quantized);
        liq_set_dithering_level(result.get(), 1.0);
        if (liq_write_remapped_image(result.get(), image.get(), indices.data(), indices.size()) != LIQ_OK)
            return Fail(error, "the frame's colours could not be chosen");
        const liq_palette* palette = liq_get_palette(result.get());
        GifColorType colours[256] = {};
        int transparent = NO_TRANSPARENT_COLOR;
        for (unsigned i = 0; i < palette->count; ++i) {
            colours[i] = {palette->entries[i].r, palette->entries[i].g, palette->entries[i].b};
            if (palette->entries[i].a < 128) transparent = static_cast<int>(i);
        }
        const std::unique_ptr<ColorMapObject, MapFree> map(GifMakeMapObject(256, colours));
        if (!map) return Fail(error, "out of memory");
        // Hundredths of a second, rounded so that the delays add up to the whole.
        const auto at = [&](std::size_t n) { return std::lround(static_cast<double>(n) * 100 / fps); };
        GraphicsControlBlock control{};
        control.DisposalMode = DISPOSE_BACKGROUND;
        control.DelayTime = static_cast<int>(at(k + 1) - at(k));
        control.TransparentColor = transparent;
        GifByteType block[4];
        EGifGCBToExtension(&control, block);
        if (EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, 4, block) == GIF_ERROR ||
            EGifPutImageDesc(gif.get(), 0, 0, frames.width, frames.height, false, map.get()) == GIF_ERROR)
            return Fail(error, GifErrorString(gif->Error));
        for (int y = 0; y < frames.height; ++y)
            if (EGifPutLine(gif.get(), indices.data() + static_cast<std::size_t>(y) * frames.width,
                            frames.width) == GIF_ERROR)
                return Fail(error, GifErrorString(gif->Error));
        if (frames.progress && !frames.progress(static_cast<int>(k))) return Fail(error, kFramesStopped);
    }
    if (EGifCloseFile(gif.release(), &code) == GIF_ERROR) return Fail(error, GifErrorString(code));
    return WriteFileAtomically(path, bytes, error);
}

}  // namespace motivra
