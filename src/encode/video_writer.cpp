#include "encode/video_writer.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <vector>

#include "core/io/file_io.h"

namespace motivra {

namespace {

// The clip is made in memory and written at the end, so a failure never leaves half a file; the muxers seek
// back to fill in counts (APNG's frame count, WebM's duration), so the memory is seekable.
struct MemoryOutput {
    std::vector<std::uint8_t> bytes;
    std::int64_t at = 0;

    static int Write(void* opaque, std::uint8_t* data,
                     int size) {  // FFmpeg 5 passes its own buffer, not const
        auto* self = static_cast<MemoryOutput*>(opaque);
        const auto end = static_cast<std::size_t>(self->at) + static_cast<std::size_t>(size);
        if (end > self->bytes.size()) self->bytes.resize(end);
        std::memcpy(self->bytes.data() + self->at, data, static_cast<std::size_t>(size));
        self->at = static_cast<std::int64_t>(end);
        return size;
    }
    static std::int64_t Seek(void* opaque, std::int64_t offset, int whence) {
        auto* self = static_cast<MemoryOutput*>(opaque);
        const auto size = static_cast<std::int64_t>(self->bytes.size());
        if (whence == AVSEEK_SIZE) return size;
        const std::int64_t to = (whence & ~AVSEEK_FORCE) == SEEK_CUR   ? self->at + offset
                                : (whence & ~AVSEEK_FORCE) == SEEK_END ? size + offset
                                                                       : offset;
        if (to < 0) return AVERROR(EINVAL);
        self->at = to;
        return to;
    }
};

struct FormatFree {
    void operator()(AVFormatContext* f) const {
        if (f->pb != nullptr) {
            av_freep(&f->pb->buffer);
            avio_context_free(&f->pb);
        }
        avformat_free_context(f);
    }
};
struct CodecFree {
    void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct FrameFree {
    void operator()(AVFrame* f) const { av_frame_free(&f); }
};
struct PacketFree {
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct ScaleFree {
    void operator()(SwsContext* s) const { sws_freeContext(s); }
};

std::string Reason(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

bool Fail(std::string* error, const std::string& why) {
    if (error != nullptr) *error = why;
    return false;
}

}  // namespace

bool WriteVideo(const std::string& path, const FrameSequence& frames, int fps, VideoKind kind, int loops,
                std::string* error) {
    if (frames.width <= 0 || frames.height <= 0 || frames.delays.empty() || fps <= 0)
        return Fail(error, "no frames to write");
    const bool webm = kind == VideoKind::Webm;
    const AVCodec* codec = avcodec_find_encoder_by_name(webm ? "libvpx-vp9" : "apng");
    if (codec == nullptr)
        return Fail(error, std::string("FFmpeg has no ") + (webm ? "libvpx-vp9" : "apng") + " encoder");
    const AVPixelFormat format = webm ? AV_PIX_FMT_YUVA420P : AV_PIX_FMT_RGBA;
    // VP9 takes even sizes only.
    if (webm && (frames.width % 2 != 0 || frames.height % 2 != 0))
        return Fail(error, "WebM needs an even width and height");

    AVFormatContext* raw = nullptr;
    if (const int code = avformat_alloc_output_context2(&raw, nullptr, webm ? "webm" : "apng", nullptr);
        code < 0)
        return Fail(error, Reason(code));
    const std::unique_ptr<AVFormatContext, FormatFree> container(raw);
    MemoryOutput memory;
    constexpr int kBuffer = 1 << 16;
    auto* buffer = static_cast<unsigned char*>(av_malloc(kBuffer));
    if (buffer == nullptr) return Fail(error, "out of memory");
    container->pb =
        avio_alloc_context(buffer, kBuffer, 1, &memory, nullptr, &MemoryOutput::Write, &MemoryOutput::Seek);
    if (container->pb == nullptr) {
        av_free(buffer);
        return Fail(error, "out of memory");
    }
    container->pb->seekable = AVIO_SEEKABLE_NORMAL;

    const std::unique_ptr<AVCodecContext, CodecFree> encoder(avcodec_alloc_context3(codec));
    if (!encoder) return Fail(error, "out of memory");
    encoder->width = frames.width;
    encoder->height = frames.height;
    encoder->pix_fmt = format;
    encoder->time_base = {1, fps};
    encoder->framerate = {fps, 1};
    if (webm) {
        // Constant quality, fast: the frames are simple drawings.
        encoder->bit_rate = 0;
        av_opt_set_int(encoder->priv_data, "crf", 12, 0);
        av_opt_set(encoder->priv_data, "deadline", "good", 0);
        av_opt_set_int(encoder->priv_data, "cpu-used", 5, 0);
        av_opt_set_int(encoder->priv_data, "row-mt", 1, 0);
    }
    if (container->oformat->flags & AVFMT_GLOBALHEADER) encoder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (const int code = avcodec_open2(encoder.get(), codec, nullptr); code < 0)
        return Fail(error, Reason(code));
    AVStream* stream = avformat_new_stream(container.get(), nullptr);
    if (stream == nullptr) return Fail(error, "out of memory");
    stream->time_base = encoder->time_base;
    if (const int code = avcodec_parameters_from_context(stream->codecpar, encoder.get()); code < 0)
        return Fail(error, Reason(code));
    AVDictionary* muxerOptions = nullptr;
    if (!webm) av_dict_set_int(&muxerOptions, "plays", loops, 0);
    const int header = avformat_write_header(container.get(), &muxerOptions);
    av_dict_free(&muxerOptions);
    if (header < 0) return Fail(error, Reason(header));

    const std::unique_ptr<AVFrame, FrameFree> frame(av_frame_alloc());
    const std::unique_ptr<AVPacket, PacketFree> packet(av_packet_alloc());
    if (!frame || !packet) return Fail(error, "out of memory");
    frame->format = format;
    frame->width = frames.width;
    frame->height = frames.height;
    if (const int code = av_frame_get_buffer(frame.get(), 0); code < 0) return Fail(error, Reason(code));
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(frames.width) * frames.height * 4);
    const std::unique_ptr<SwsContext, ScaleFree> scale(
        webm ? sws_getContext(frames.width, frames.height, AV_PIX_FMT_RGBA, frames.width, frames.height,
                              format, SWS_BICUBIC | SWS_ACCURATE_RND | SWS_FULL_CHR_H_INT, nullptr, nullptr,
                              nullptr)
             : nullptr);
    if (webm && !scale) return Fail(error, "no conversion to VP9's colours");

    const auto drain = [&](const AVFrame* input) -> int {
        if (const int code = avcodec_send_frame(encoder.get(), input); code < 0) return code;
        for (;;) {
            const int code = avcodec_receive_packet(encoder.get(), packet.get());
            if (code == AVERROR(EAGAIN) || code == AVERROR_EOF) return 0;
            if (code < 0) return code;
            av_packet_rescale_ts(packet.get(), encoder->time_base, stream->time_base);
            packet->stream_index = stream->index;
            if (const int written = av_interleaved_write_frame(container.get(), packet.get()); written < 0)
                return written;
        }
    };
    for (std::size_t k = 0; k < frames.delays.size(); ++k) {
        frames.draw(static_cast<int>(k), {rgba.data(), frames.width, frames.height, 4 * frames.width});
        if (const int code = av_frame_make_writable(frame.get()); code < 0) return Fail(error, Reason(code));
        if (webm) {
            const std::uint8_t* source[1] = {rgba.data()};
            const int stride[1] = {4 * frames.width};
            sws_scale(scale.get(), source, stride, 0, frames.height, frame->data, frame->linesize);
        } else {
            for (int y = 0; y < frames.height; ++y)
                std::memcpy(frame->data[0] + static_cast<std::ptrdiff_t>(y) * frame->linesize[0],
                            rgba.data() + static_cast<std::size_t>(y) * 4 * frames.width,
                            4 * static_cast<std::size_t>(frames.width));
        }
        frame->pts = static_cast<std::int64_t>(k);
        frame->pkt_duration = 1;
        if (const int code = drain(frame.get()); code < 0) return Fail(error, Reason(code));
        if (frames.progress && !frames.progress(static_cast<int>(k))) return Fail(error, kFramesStopped);
    }
    if (const int code = drain(nullptr); code < 0) return Fail(error, Reason(code));
    if (const int code = av_write_trailer(container.get()); code < 0) return Fail(error, Reason(code));
    avio_flush(container->pb);
    return WriteFileAtomically(path, memory.bytes, error);
}

}  // namespace motivra
