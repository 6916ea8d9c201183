// The Motivra frei0r effects, on libmotivra's C interface: built once as the filter "Motivra behaviour"
// (the input frame is the layer, covering the frame at rest) and once as the mixer2 "Motivra layer" (the
// second input drawn at the pose over the first). A problem (no file, a damaged one, a frame too large)
// leaves the frame as it came and is said once on standard error; the effect never stops the host.
// frei0r.h declares its functions without C linkage for C++.
extern "C" {
#include <frei0r.h>
}
#include <motivra/motivra.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <string>

#ifndef MOTIVRA_MIXER2
#error "build with MOTIVRA_MIXER2 set to 0 (filter) or 1 (mixer2)"
#endif

namespace {

constexpr int kBehaviour = 0, kDuration = 1, kLoop = 2, kOffset = 3, kPosition = 4, kParamCount = 5;

struct Closer {
    void operator()(motivra_behaviour* b) const { motivra_close(b); }
};

struct Effect {
    unsigned width = 0, height = 0;
    std::string path;
    char* pathParam = nullptr;  // the copy f0r_get_param_value hands out
    double duration = 2, loop = 0, offset = 0, position = -1;
    std::unique_ptr<motivra_behaviour, Closer> behaviour;
    bool opened = false;  // an attempt was made for `path`
    std::string lastProblem;
    bool toldClock = false;

    ~Effect() { std::free(pathParam); }

    // Says a problem once, and again only when it changes.
    void Tell(const std::string& problem) {
        if (problem == lastProblem) return;
        lastProblem = problem;
        std::fprintf(stderr, "%s: %s\n", MOTIVRA_MIXER2 ? "Motivra layer" : "Motivra behaviour",
                     problem.c_str());
    }

    motivra_behaviour* Behaviour() {
        if (!opened) {
            opened = true;
            char why[512] = "";
            behaviour.reset(path.empty() ? nullptr : motivra_open(path.c_str(), why, sizeof why));
            if (path.empty())
                Tell("no behaviour file is set; the frame is left as it is");
            else if (!behaviour)
                Tell(std::string(why) + "; the frame is left as it is");
            else
                lastProblem.clear();
        }
        return behaviour.get();
    }

    double TimeAt(double clock) {
        int ignored = 0;
        const double t = motivra_effect_time(clock, duration, loop >= 0.5, offset, position, &ignored);
        if (ignored && position < 0 && !toldClock) {
            toldClock = true;
            std::fprintf(stderr,
                         "%s: the host's clock (%g) is no time; holding the start pose (set \"position\")\n",
                         MOTIVRA_MIXER2 ? "Motivra layer" : "Motivra behaviour", clock);
        }
        return t;
    }

    std::size_t Bytes() const { return static_cast<std::size_t>(width) * height * 4; }
};

}  // namespace

extern "C" {

int f0r_init() { return 1; }
void f0r_deinit() {}

void f0r_get_plugin_info(f0r_plugin_info_t* info) {
    info->name = MOTIVRA_MIXER2 ? "Motivra layer" : "Motivra behaviour";
    info->author = "Motivra";
    info->plugin_type = MOTIVRA_MIXER2 ? F0R_PLUGIN_TYPE_MIXER2 : F0R_PLUGIN_TYPE_FILTER;
    info->color_model = F0R_COLOR_MODEL_RGBA8888;
    info->frei0r_version = FREI0R_MAJOR_VERSION;
    info->major_version = 0;
    info->minor_version = 1;
    info->num_params = kParamCount;
    info->explanation = MOTIVRA_MIXER2 ? "Draws the second input as a layer playing a Motivra behaviour"
                                       : "Plays a Motivra behaviour on the frame as a layer";
}

void f0r_get_param_info(f0r_param_info_t* info, int index) {
    static const f0r_param_info_t params[kParamCount] = {
        {"behaviour", F0R_PARAM_STRING, "The behaviour file (.vmr)"},
        {"duration", F0R_PARAM_DOUBLE, "Seconds the behaviour takes (2)"},
        {"loop", F0R_PARAM_BOOL, "Loop, or hold the last pose"},
        {"offset", F0R_PARAM_DOUBLE, "Seconds before the behaviour starts"},
        {"position", F0R_PARAM_DOUBLE, "0..1 replaces the clock when 0 or more (-1)"},
    };
    if (info != nullptr && index >= 0 && index < kParamCount) *info = params[index];
}

f0r_instance_t f0r_construct(unsigned int width, unsigned int height) {
    auto* effect = new (std::nothrow) Effect;
    if (effect == nullptr) return nullptr;
    effect->width = width;
    effect->height = height;
    return effect;
}

void f0r_destruct(f0r_instance_t instance) { delete static_cast<Effect*>(instance); }

void f0r_set_param_value(f0r_instance_t instance, f0r_param_t param, int index) {
    auto* effect = static_cast<Effect*>(instance);
    if (effect == nullptr || param == nullptr) return;
    switch (index) {
        case kBehaviour: {
            const char* text = *static_cast<f0r_param_string*>(param);
            const std::string path = text != nullptr ? text : "";
            if (path != effect->path) {
                effect->path = path;
                effect->opened = false;
            }
            break;
        }
        case kDuration:
            effect->duration = *static_cast<f0r_param_double*>(param);
            break;
        case kLoop:
            effect->loop = *static_cast<f0r_param_bool*>(param);
            break;
        case kOffset:
            effect->offset = *static_cast<f0r_param_double*>(param);
            break;
        case kPosition:
            effect->position = *static_cast<f0r_param_double*>(param);
            break;
        default:
            break;
    }
}

void f0r_get_param_value(f0r_instance_t instance, f0r_param_t param, int index) {
    auto* effect = static_cast<Effect*>(instance);
    if (effect == nullptr || param == nullptr) return;
    switch (index) {
        case kBehaviour:
            std::free(effect->pathParam);
            effect->pathParam = strdup(effect->path.c_str());
            *static_cast<f0r_param_string*>(param) = effect->pathParam;
            break;
        case kDuration:
            *static_cast<f0r_param_double*>(param) = effect->duration;
            break;
        case kLoop:
            *static_cast<f0r_param_bool*>(param) = effect->loop;
            break;
        case kOffset:
            *static_cast<f0r_param_double*>(param) = effect->offset;
            break;
        case kPosition:
            *static_cast<f0r_param_double*>(param) = effect->position;
            break;
        default:
            break;
    }
}

}  // extern "C"

namespace {

// layer: the picture played; base: the frame it is drawn over (mixer2), or none (filter).
void Play(Effect* effect, double time, const uint32_t* layer, const uint32_t* base, uint32_t* out) {
    if (effect == nullptr || out == nullptr) return;
    // The filter draws every pixel of its frame, so only the mixer needs its base underneath first.
    const uint32_t* keep = base != nullptr ? base : layer;
    if (base != nullptr && base != out) std::memcpy(out, base, effect->Bytes());
    motivra_behaviour* behaviour = effect->Behaviour();
    if (behaviour == nullptr || layer == nullptr) {
        if (base == nullptr && keep != nullptr && keep != out) std::memcpy(out, keep, effect->Bytes());
        return;
    }
    const int w = static_cast<int>(effect->width), h = static_cast<int>(effect->height);
    const double t = effect->TimeAt(time);
    const unsigned flags = MOTIVRA_WHOLE | MOTIVRA_THREADS | (base != nullptr ? MOTIVRA_OVER : 0u);
    const int status = motivra_render(behaviour, t, reinterpret_cast<const uint8_t*>(layer), w, h, 4 * w,
                                      reinterpret_cast<uint8_t*>(out), w, h, 4 * w, flags);
    if (status != MOTIVRA_OK) {
        if (keep != nullptr && keep != out) std::memcpy(out, keep, effect->Bytes());
        effect->Tell("a " + std::to_string(w) + " x " + std::to_string(h) +
                     " frame cannot be drawn; the frame is left as it is");
    }
}

}  // namespace

extern "C" {

void f0r_update(f0r_instance_t instance, double time, const uint32_t* inframe, uint32_t* outframe) {
    Play(static_cast<Effect*>(instance), time, inframe, MOTIVRA_MIXER2 ? inframe : nullptr, outframe);
}

void f0r_update2(f0r_instance_t instance, double time, const uint32_t* inframe1, const uint32_t* inframe2,
                 const uint32_t*, uint32_t* outframe) {
    if (MOTIVRA_MIXER2) {
        Play(static_cast<Effect*>(instance), time, inframe2, inframe1, outframe);
    } else {
        Play(static_cast<Effect*>(instance), time, inframe1, nullptr, outframe);
    }
}

}  // extern "C"
