// The C interface of libmotivra: argument checks and copies only; every rule lives in the core.
#include <motivra/motivra.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <exception>
#include <new>
#include <optional>
#include <string>
#include <thread>

#include "core/engine/parameter_table.h"
#include "core/player/effect_clock.h"
#include "core/player/playable_behaviour.h"
#include "core/player/pose_renderer.h"

struct motivra_behaviour {
    motivra::PlayableBehaviour playable;
};

namespace {

using motivra::kParameterCount;

// Frames and pictures past this many pixels a side are refused: their sizes would overflow the strides.
constexpr int kMaxSide = 1 << 15;

void Tell(char* error, size_t size, const std::string& text) {
    if (error == nullptr || size == 0) return;
    const size_t n = std::min(size - 1, text.size());
    std::memcpy(error, text.data(), n);
    error[n] = '\0';
}

motivra_behaviour* Wrap(std::optional<motivra::PlayableBehaviour> playable, const std::string& why,
                        char* error, size_t size) {
    if (!playable) {
        Tell(error, size, why);
        return nullptr;
    }
    auto* made = new (std::nothrow) motivra_behaviour{std::move(*playable)};
    if (made == nullptr) Tell(error, size, "out of memory");
    return made;
}

bool ValidSlot(int parameter) { return parameter >= 0 && parameter < kParameterCount; }

bool ValidImage(const void* pixels, int width, int height, int stride) {
    return pixels != nullptr && width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide &&
           stride >= 4 * width;
}

}  // namespace

extern "C" {

const char* motivra_version(void) { return MOTIVRA_VERSION; }

const char* motivra_parameter_name(int parameter) {
    return ValidSlot(parameter) ? motivra::Parameter(parameter).name.data() : nullptr;
}

motivra_behaviour* motivra_open(const char* path, char* error, size_t error_size) {
    if (path == nullptr) {
        Tell(error, error_size, "no path");
        return nullptr;
    }
    try {
        std::string why;
        auto playable = motivra::PlayableBehaviour::Open(path, &why);
        return Wrap(std::move(playable), why, error, error_size);
    } catch (const std::exception& e) {
        Tell(error, error_size, e.what());
        return nullptr;
    }
}

motivra_behaviour* motivra_open_memory(const void* bytes, size_t size, char* error, size_t error_size) {
    if (bytes == nullptr) {
        Tell(error, error_size, "no bytes");
        return nullptr;
    }
    try {
        std::string why;
        auto playable = motivra::PlayableBehaviour::FromBytes(
            std::span<const std::uint8_t>(static_cast<const std::uint8_t*>(bytes), size), &why);
        return Wrap(std::move(playable), why, error, error_size);
    } catch (const std::exception& e) {
        Tell(error, error_size, e.what());
        return nullptr;
    }
}

void motivra_close(motivra_behaviour* behaviour) { delete behaviour; }

int motivra_read_header(const motivra_behaviour* behaviour, motivra_header* header) {
    if (behaviour == nullptr || header == nullptr) return MOTIVRA_ERROR;
    const motivra::TrackStore& tracks = behaviour->playable.Tracks();
    const motivra::BehaviourFlags& flags = tracks.Flags();
    *header = {};
    header->lock_starts = flags.lockStarts;
    header->lock_ends = flags.lockEnds;
    header->lead_in = flags.leadIn;
    header->lead_out = flags.leadOut;
    Tell(header->thumbnail_text, sizeof header->thumbnail_text, tracks.ThumbnailText());
    return MOTIVRA_OK;
}

int motivra_read_track(const motivra_behaviour* behaviour, int parameter, motivra_track* track) {
    if (behaviour == nullptr || track == nullptr || !ValidSlot(parameter)) return MOTIVRA_ERROR;
    const motivra::BehaviourTrack t = behaviour->playable.Tracks().GetTrack(parameter);
    const motivra::ParameterInfo& info = motivra::Parameter(parameter);
    *track = {};
    track->enabled = t.enabled != 0;
    track->smooth = t.smooth != 0;
    track->start = t.start;
    track->end = t.end;
    track->start_time = t.startTime;
    track->end_time = t.endTime;
    track->minimum = info.minimum;
    track->maximum = info.maximum;
    track->home = info.defaultValue;
    return MOTIVRA_OK;
}

int motivra_evaluate(const motivra_behaviour* behaviour, double t, double* values) {
    if (behaviour == nullptr || values == nullptr || !std::isfinite(t)) return MOTIVRA_ERROR;
    for (int slot = 0; slot < kParameterCount; ++slot) values[slot] = behaviour->playable.Value(slot, t);
    return MOTIVRA_OK;
}

int motivra_pose(const motivra_behaviour* behaviour, double t, int placement, int width, int height,
                 double* corners, double* alpha) {
    if (behaviour == nullptr || corners == nullptr || !std::isfinite(t) || width <= 0 || height <= 0 ||
        (placement != MOTIVRA_MIDDLE_THIRD && placement != MOTIVRA_WHOLE_FRAME)) {
        return MOTIVRA_ERROR;
    }
    const motivra::Quad quad = motivra::FrameCorners(
        behaviour->playable.PoseAt(t),
        placement == MOTIVRA_WHOLE_FRAME ? motivra::Placement::WholeFrame : motivra::Placement::MiddleThird,
        width, height);
    for (std::size_t i = 0; i < quad.size(); ++i) {
        corners[2 * i] = quad[i].x;
        corners[2 * i + 1] = quad[i].y;
    }
    if (alpha != nullptr) *alpha = behaviour->playable.AlphaAt(t);
    return MOTIVRA_OK;
}

int motivra_render(const motivra_behaviour* behaviour, double t, const uint8_t* picture, int picture_width,
                   int picture_height, int picture_stride, uint8_t* frame, int frame_width, int frame_height,
                   int frame_stride, unsigned flags) {
    if (behaviour == nullptr || !std::isfinite(t) ||
        !ValidImage(picture, picture_width, picture_height, picture_stride) ||
        !ValidImage(frame, frame_width, frame_height, frame_stride) ||
        (flags & ~(MOTIVRA_PREMULTIPLIED | MOTIVRA_OVER | MOTIVRA_WHOLE | MOTIVRA_THREADS)) != 0) {
        return MOTIVRA_ERROR;
    }
    motivra::RenderOptions options;
    options.placement =
        (flags & MOTIVRA_WHOLE) != 0 ? motivra::Placement::WholeFrame : motivra::Placement::MiddleThird;
    options.premultiplied = (flags & MOTIVRA_PREMULTIPLIED) != 0;
    options.over = (flags & MOTIVRA_OVER) != 0;
    options.opacity = behaviour->playable.AlphaAt(t) / 255.0;
    if ((flags & MOTIVRA_THREADS) != 0)
        options.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    motivra::RenderPose({picture, picture_width, picture_height, picture_stride},
                        {frame, frame_width, frame_height, frame_stride}, behaviour->playable.PoseAt(t),
                        options);
    return MOTIVRA_OK;
}

double motivra_effect_time(double clock, double duration, int loop, double offset, double position,
                           int* clock_ignored) {
    const motivra::EffectTime time = motivra::EffectTimeAt({duration, loop != 0, offset, position}, clock);
    if (clock_ignored != nullptr) *clock_ignored = time.clockIgnored ? 1 : 0;
    return time.t;
}

}  // extern "C"
