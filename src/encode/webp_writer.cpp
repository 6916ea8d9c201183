#include "encode/webp_writer.h"

#include <webp/encode.h>
#include <webp/mux.h>

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "core/io/file_io.h"

namespace motivra {

namespace {

struct EncoderDeleter {
    void operator()(WebPAnimEncoder* e) const { WebPAnimEncoderDelete(e); }
};
struct PictureFree {
    void operator()(WebPPicture* p) const { WebPPictureFree(p); }
};

bool Fail(std::string* error, const std::string& why) {
    if (error != nullptr) *error = why;
    return false;
}

}  // namespace

bool WriteAnimatedWebp(const std::string& path, const FrameSequence& frames, int loops, std::string* error) {
    if (frames.width <= 0 || frames.height <= 0 || frames.width > WEBP_MAX_DIMENSION ||
        frames.height > WEBP_MAX_DIMENSION || frames.delays.empty())
        return Fail(error, "no frames, or a size WebP cannot hold");
    WebPAnimEncoderOptions options;
    if (!WebPAnimEncoderOptionsInit(&options)) return Fail(error, "libwebp's version does not match");
    options.anim_params.loop_count = loops;
    options.anim_params.bgcolor = 0;
    const std::unique_ptr<WebPAnimEncoder, EncoderDeleter> encoder(
        WebPAnimEncoderNew(frames.width, frames.height, &options));
    if (!encoder) return Fail(error, "out of memory");
    WebPConfig config;
    if (!WebPConfigInit(&config)) return Fail(error, "libwebp's version does not match");
    config.quality = 92;
    config.method = 2;  // fast: the frames are simple, and a picture's frames are many
    config.alpha_quality = 100;
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(frames.width) * frames.height * 4);
    int timestamp = 0;
    for (std::size_t k = 0; k < frames.delays.size(); ++k) {
        frames.draw(static_cast<int>(k), {rgba.data(), frames.width, frames.height, 4 * frames.width});
        WebPPicture picture;
        if (!WebPPictureInit(&picture)) return Fail(error, "libwebp's version does not match");
        picture.width = frames.width;
        picture.height = frames.height;
        picture.use_argb = 1;
        const std::unique_ptr<WebPPicture, PictureFree> owned(&picture);
        if (!WebPPictureImportRGBA(&picture, rgba.data(), 4 * frames.width))
            return Fail(error, "out of memory");
        if (!WebPAnimEncoderAdd(encoder.get(), &picture, timestamp, &config))
            return Fail(error, WebPAnimEncoderGetError(encoder.get()));
        timestamp += frames.delays[k];
        if (frames.progress && !frames.progress(static_cast<int>(k))) return Fail(error, kFramesStopped);
    }
    if (!WebPAnimEncoderAdd(encoder.get(), nullptr, timestamp, nullptr))
        return Fail(error, WebPAnimEncoderGetError(encoder.get()));
    WebPData data;
    WebPDataInit(&data);
    if (!WebPAnimEncoderAssemble(encoder.get(), &data))
        return Fail(error, WebPAnimEncoderGetError(encoder.get()));
    const bool written =
        WriteFileAtomically(path, std::span<const std::uint8_t>(data.bytes, data.size), error);
    WebPDataClear(&data);
    return written;
}

}  // namespace motivra
