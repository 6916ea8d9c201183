#include "core/player/pose_renderer.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <system_error>
#include <thread>
#include <vector>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace motivra {

namespace {

// Rows ahead whose picture pixels are fetched; the longest and shortest runs of pixels stepped linearly
// between exact points of a tilt's map, as a power of two; how far the linear steps may stray from the map,
// in picture pixels.
constexpr int kAhead = 4, kLongestChunk = 64, kShortestChunk = 4;
constexpr double kStray = 0.125;

// Pixels are handled as 32-bit words with alpha in the top byte.
static_assert(std::endian::native == std::endian::little, "the pixel arithmetic assumes little-endian words");

// A projective map as a 3 x 3 matrix, row by row: (x, y, w) = M (u, v, 1).
struct Projective {
    double m[9] = {};

    PosePoint Apply(double u, double v) const {
        const double w = m[6] * u + m[7] * v + m[8];
        return {(m[0] * u + m[1] * v + m[2]) / w, (m[3] * u + m[4] * v + m[5]) / w};
    }
};

// The map of the unit square onto the quad (corners TL, TR, BL, BR at (0,0), (1,0), (0,1), (1,1)); false
// when the corners lie on one line.
bool SquareToQuad(const Quad& q, Projective& out) {
    const PosePoint p0 = q[0], p1 = q[1], p2 = q[3], p3 = q[2];  // around the square: TL, TR, BR, BL
    const double sx = p0.x - p1.x + p2.x - p3.x;
    const double sy = p0.y - p1.y + p2.y - p3.y;
    // A parallelogram, up to rounding (a turned rectangle, say), maps affinely: sampled in one step a row.
    const double extent =
        std::abs(p1.x - p0.x) + std::abs(p1.y - p0.y) + std::abs(p3.x - p0.x) + std::abs(p3.y - p0.y);
    double g = 0, h = 0;
    if (std::abs(sx) + std::abs(sy) > extent * 1e-12) {
        const double dx1 = p1.x - p2.x, dx2 = p3.x - p2.x, dy1 = p1.y - p2.y, dy2 = p3.y - p2.y;
        const double den = dx1 * dy2 - dx2 * dy1;
        if (den == 0) return false;
        g = (sx * dy2 - dx2 * sy) / den;
        h = (dx1 * sy - sx * dy1) / den;
    }
    out.m[0] = p1.x - p0.x + g * p1.x;
    out.m[1] = p3.x - p0.x + h * p3.x;
    out.m[2] = p0.x;
    out.m[3] = p1.y - p0.y + g * p1.y;
    out.m[4] = p3.y - p0.y + h * p3.y;
    out.m[5] = p0.y;
    out.m[6] = g;
    out.m[7] = h;
    out.m[8] = 1;
    return true;
}

bool Invert(const Projective& a, Projective& out) {
    const double* m = a.m;
    const double c0 = m[4] * m[8] - m[5] * m[7];
    const double c1 = m[5] * m[6] - m[3] * m[8];
    const double c2 = m[3] * m[7] - m[4] * m[6];
    const double det = m[0] * c0 + m[1] * c1 + m[2] * c2;
    if (!std::isfinite(det) || std::abs(det) < 1e-12) return false;
    const double r = 1 / det;
    out.m[0] = c0 * r;
    out.m[1] = (m[2] * m[7] - m[1] * m[8]) * r;
    out.m[2] = (m[1] * m[5] - m[2] * m[4]) * r;
    out.m[3] = c1 * r;
    out.m[4] = (m[0] * m[8] - m[2] * m[6]) * r;
    out.m[5] = (m[2] * m[3] - m[0] * m[5]) * r;
    out.m[6] = c2 * r;
    out.m[7] = (m[1] * m[6] - m[0] * m[7]) * r;
    out.m[8] = (m[0] * m[4] - m[1] * m[3]) * r;
    return true;
}

// A quad's edge as a line a x + b y + c = signed distance, positive inside.
struct Edge {
    double a = 0, b = 0, c = 0;
};

// The edges of a convex quad, inside positive; false for a quad that is not convex (a bow tie, say), whose
// pixels are then covered wholly or not at all.
bool ConvexEdges(const Quad& q, Edge (&edges)[4]) {
    const PosePoint ring[4] = {q[0], q[1], q[3], q[2]};
    double turn = 0;
    for (int i = 0; i < 4; ++i) {
        const PosePoint& p = ring[i];
        const PosePoint& n = ring[(i + 1) % 4];
        const PosePoint& nn = ring[(i + 2) % 4];
        const double cross = (n.x - p.x) * (nn.y - n.y) - (n.y - p.y) * (nn.x - n.x);
        if (cross == 0) continue;
        if (turn == 0) turn = cross;
        if ((cross > 0) != (turn > 0)) return false;
    }
    if (turn == 0) return false;
    const double side = turn > 0 ? 1 : -1;
    for (int i = 0; i < 4; ++i) {
        const PosePoint& p = ring[i];
        const PosePoint& n = ring[(i + 1) % 4];
        const double len = std::hypot(n.x - p.x, n.y - p.y);
        if (len == 0) return false;
        // Inside is to the right of the edge for clockwise rings on a y-down frame.
        edges[i].a = -(n.y - p.y) / len * side;
        edges[i].b = (n.x - p.x) / len * side;
        edges[i].c = -(edges[i].a * p.x + edges[i].b * p.y);
    }
    return true;
}

std::uint32_t Load(const std::uint8_t* p) {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

void Store(std::uint8_t* p, std::uint32_t v) { std::memcpy(p, &v, 4); }

// a and b mixed by w/256, all four bytes at once, two at a time in 16-bit lanes.
std::uint32_t Mix(std::uint32_t a, std::uint32_t b, std::uint32_t w) {
    const std::uint32_t rb = ((a & 0xFF00FFu) * (256 - w) + (b & 0xFF00FFu) * w) >> 8;
    const std::uint32_t ag = (((a >> 8) & 0xFF00FFu) * (256 - w) + ((b >> 8) & 0xFF00FFu) * w) >> 8;
    return (rb & 0xFF00FFu) | ((ag & 0xFF00FFu) << 8);
}

// Every byte times s/256.
std::uint32_t ScaleAll(std::uint32_t v, std::uint32_t s) {
    const std::uint32_t rb = ((v & 0xFF00FFu) * s) >> 8;
    const std::uint32_t ag = (((v >> 8) & 0xFF00FFu) * s) >> 8;
    return (rb & 0xFF00FFu) | ((ag & 0xFF00FFu) << 8);
}

// Byte 3 (alpha, on a little-endian machine the bytes R, G, B, A load as 0xAABBGGRR) times s/256.
std::uint32_t ScaleAlpha(std::uint32_t v, std::uint32_t s) {
    return (v & 0x00FFFFFFu) | ((((v >> 24) * s) >> 8) << 24);
}

// src over dst, straight alpha.
std::uint32_t OverStraight(std::uint32_t src, std::uint32_t dst) {
    const std::uint32_t sa = src >> 24;
    if (sa == 255) return src;
    if (sa == 0) return dst;
    const std::uint32_t da = dst >> 24;
    const std::uint32_t keep = da * (255 - sa) / 255;
    const std::uint32_t oa = sa + keep;
    std::uint32_t out = oa << 24;
    for (int shift = 0; shift < 24; shift += 8) {
        const std::uint32_t s = (src >> shift) & 0xFF, d = (dst >> shift) & 0xFF;
        out |= ((s * sa + d * keep + oa / 2) / oa) << shift;
    }
    return out;
}

// src over dst, premultiplied alpha.
std::uint32_t OverPremultiplied(std::uint32_t src, std::uint32_t dst) {
    return src + ScaleAll(dst, 256 - ((src >> 24) + ((src >> 24) >> 7)));
}

#if defined(__SSE2__)
// The four pixels at a, a + 4 and a row below, mixed by wx and wy (of 256) in 16-bit lanes: the rows first,
// then the two columns. Every product stays under 65536.
std::uint32_t MixFour(const std::uint8_t* a, std::ptrdiff_t stride, std::uint32_t wx, std::uint32_t wy) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i top = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(a)), zero);
    const __m128i bottom =
        _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(a + stride)), zero);
    const __m128i rows =
        _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(top, _mm_set1_epi16(static_cast<short>(256 - wy))),
                                     _mm_mullo_epi16(bottom, _mm_set1_epi16(static_cast<short>(wy)))),
                       8);
    const auto left = static_cast<short>(256 - wx), right = static_cast<short>(wx);
    const __m128i weighted =
        _mm_mullo_epi16(rows, _mm_set_epi16(right, right, right, right, left, left, left, left));
    const __m128i sum = _mm_srli_epi16(_mm_add_epi16(weighted, _mm_srli_si128(weighted, 8)), 8);
    return static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_packus_epi16(sum, sum)));
}
#endif

class Sampler {
public:
    explicit Sampler(ConstRgbaView picture) : p_(picture) {}

    // The picture at (u, v) of the unit square, bilinear, clamped at its edge.
    std::uint32_t At(double u, double v) const {
        const double x = u * p_.width - 0.5, y = v * p_.height - 0.5;
        // Weights are rounded to 1/256 before the neighbours are chosen, so a pixel centre a rounding error
        // away from a picture's pixel centre takes that pixel, not a 255/256 mix of its neighbour.
        const double sx = std::round(std::clamp(x, -1.0, static_cast<double>(p_.width)) * 256);
        const double sy = std::round(std::clamp(y, -1.0, static_cast<double>(p_.height)) * 256);
        const double fx = std::floor(sx / 256), fy = std::floor(sy / 256);
        const int x0 = static_cast<int>(fx), y0 = static_cast<int>(fy);
        const auto wx = static_cast<std::uint32_t>(sx - fx * 256);
        const auto wy = static_cast<std::uint32_t>(sy - fy * 256);
        const int xa = std::clamp(x0, 0, p_.width - 1), xb = std::clamp(x0 + 1, 0, p_.width - 1);
        const int ya = std::clamp(y0, 0, p_.height - 1), yb = std::clamp(y0 + 1, 0, p_.height - 1);
        const std::uint8_t* rowA = p_.pixels + static_cast<std::ptrdiff_t>(ya) * p_.stride;
        const std::uint8_t* rowB = p_.pixels + static_cast<std::ptrdiff_t>(yb) * p_.stride;
        const std::uint32_t top = Mix(Load(rowA + 4 * xa), Load(rowA + 4 * xb), wx);
        const std::uint32_t bottom = Mix(Load(rowB + 4 * xa), Load(rowB + 4 * xb), wx);
        return Mix(top, bottom, wy);
    }

    // The same at picture pixel coordinates (x, y) in 16.16 fixed point, pixel centres at whole numbers.
    std::uint32_t AtFixed(std::int64_t x, std::int64_t y) const {
        const auto ix = static_cast<int>(x >> 16), iy = static_cast<int>(y >> 16);
        const auto wx = static_cast<std::uint32_t>((x >> 8) & 0xFF),
                   wy = static_cast<std::uint32_t>((y >> 8) & 0xFF);
        if (ix >= 0 && iy >= 0 && ix < p_.width - 1 && iy < p_.height - 1) {
            // Inside, the usual case: no clamping, and a pixel centre met exactly is a plain copy.
            const std::uint8_t* a = p_.pixels + static_cast<std::ptrdiff_t>(iy) * p_.stride + 4 * ix;
            if ((wx | wy) == 0) return Load(a);
#if defined(__SSE2__)
            return MixFour(a, p_.stride, wx, wy);
#else
            const std::uint32_t top = Mix(Load(a), Load(a + 4), wx);
            const std::uint32_t bottom = Mix(Load(a + p_.stride), Load(a + p_.stride + 4), wx);
            return Mix(top, bottom, wy);
#endif
        }
        const int xa = std::clamp(ix, 0, p_.width - 1), xb = std::clamp(ix + 1, 0, p_.width - 1);
        const int ya = std::clamp(iy, 0, p_.height - 1), yb = std::clamp(iy + 1, 0, p_.height - 1);
        const std::uint8_t* rowA = p_.pixels + static_cast<std::ptrdiff_t>(ya) * p_.stride;
        const std::uint8_t* rowB = p_.pixels + static_cast<std::ptrdiff_t>(yb) * p_.stride;
        const std::uint32_t top = Mix(Load(rowA + 4 * xa), Load(rowA + 4 * xb), wx);
        const std::uint32_t bottom = Mix(Load(rowB + 4 * xa), Load(rowB + 4 * xb), wx);
        return Mix(top, bottom, wy);
    }

    const std::uint8_t* Pixel(int x, int y) const {
        return p_.pixels + static_cast<std::ptrdiff_t>(y) * p_.stride + 4 * x;
    }
    std::ptrdiff_t Stride() const { return p_.stride; }
    int Width() const { return p_.width; }
    int Height() const { return p_.height; }

private:
    ConstRgbaView p_;
};

// A run of samples from (u, v) in steps of (du, dv), picture pixels in 16.16 fixed point.
struct FixedStep {
    std::int64_t u, v, du, dv;
    std::int64_t ahead = 0;  // bytes from a sample to where the same pixel a few rows down reads
};

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {  // b > 0
    const std::int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

// Narrows [lo, hi) to the steps i at which 0 <= start + i * step < limit.
void Within(std::int64_t start, std::int64_t step, std::int64_t limit, int& lo, int& hi) {
    const auto narrow = [&](std::int64_t from, std::int64_t to) {
        lo = static_cast<int>(std::clamp<std::int64_t>(from, lo, hi));
        hi = static_cast<int>(std::clamp<std::int64_t>(to, lo, hi));
    };
    if (step == 0) {
        if (start < 0 || start >= limit) hi = lo;
    } else if (step > 0) {
        narrow(-FloorDiv(start, step), FloorDiv(limit - 1 - start, step) + 1);
    } else {
        narrow(FloorDiv(start - limit, -step) + 1, FloorDiv(start, -step) + 1);
    }
}

// n samples whose four neighbours all lie inside the picture, bilinear as AtFixed mixes them. Every value is
// a local copy: the frame's bytes could alias anything reached through a pointer, which would make the
// compiler reload it for every pixel.
[[gnu::always_inline]] inline void BilinearInside(const Sampler& sampler, FixedStep step, int n,
                                                  std::uint8_t* out) {
    const Sampler local = sampler;
    int i = 0;
#if defined(__SSE2__)
    // Four at a time, their weights made in vector lanes from u and v, which fit 32 bits for a picture under
    // 32768 pixels a side.
    if (local.Width() < 32768 && local.Height() < 32768) {
        const std::uint8_t* base = local.Pixel(0, 0);
        const std::ptrdiff_t stride = local.Stride();
        const std::int64_t ahead = step.ahead;
        const __m128i zero = _mm_setzero_si128(), whole = _mm_set1_epi16(256), low = _mm_set1_epi32(0xFF);
        const auto lanes = [](std::int64_t start, std::int64_t d) {
            return _mm_setr_epi32(static_cast<int>(start), static_cast<int>(start + d),
                                  static_cast<int>(start + 2 * d), static_cast<int>(start + 3 * d));
        };
        __m128i us = lanes(step.u, step.du), vs = lanes(step.v, step.dv);
        const __m128i du4 = _mm_set1_epi32(static_cast<int>(4 * step.du));
        const __m128i dv4 = _mm_set1_epi32(static_cast<int>(4 * step.dv));
        // One sample: its two rows mixed by the vertical weights, then weighted left and right.
        const auto weighted = [&](std::int64_t u, std::int64_t v, __m128i up, __m128i down, __m128i across) {
            const std::uint8_t* a = base + (v >> 16) * stride + 4 * (u >> 16);
            _mm_prefetch(reinterpret_cast<const char*>(reinterpret_cast<std::uintptr_t>(a) + ahead),
                         _MM_HINT_T0);
            const __m128i top = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(a)), zero);
            const __m128i bottom =
                _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(a + stride)), zero);
            const __m128i rows =
                _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(top, up), _mm_mullo_epi16(bottom, down)), 8);
            return _mm_mullo_epi16(rows, across);
        };
        const auto columns = [](__m128i a, __m128i b) {
            return _mm_srli_epi16(_mm_add_epi16(_mm_unpacklo_epi64(a, b), _mm_unpackhi_epi64(a, b)), 8);
        };
        for (; i + 4 <= n; i += 4) {
            // Each lane's weight in both of its halves, so that one shuffle spreads it over a sample.
            const __m128i wx = _mm_and_si128(_mm_srli_epi32(us, 8), low);
            const __m128i wy = _mm_and_si128(_mm_srli_epi32(vs, 8), low);
            const __m128i right = _mm_or_si128(wx, _mm_slli_epi32(wx, 16)),
                          left = _mm_sub_epi16(whole, right);
            const __m128i down = _mm_or_si128(wy, _mm_slli_epi32(wy, 16)), up = _mm_sub_epi16(whole, down);
            const __m128i across01 = _mm_unpacklo_epi32(left, right),
                          across23 = _mm_unpackhi_epi32(left, right);
            const std::int64_t u = step.u + i * step.du, v = step.v + i * step.dv;
            const __m128i p0 = weighted(u, v, _mm_shuffle_epi32(up, 0x00), _mm_shuffle_epi32(down, 0x00),
                                        _mm_shuffle_epi32(across01, 0x50));
            const __m128i p1 = weighted(u + step.du, v + step.dv, _mm_shuffle_epi32(up, 0x55),
                                        _mm_shuffle_epi32(down, 0x55), _mm_shuffle_epi32(across01, 0xFA));
            const __m128i p2 = weighted(u + 2 * step.du, v + 2 * step.dv, _mm_shuffle_epi32(up, 0xAA),
                                        _mm_shuffle_epi32(down, 0xAA), _mm_shuffle_epi32(across23, 0x50));
            const __m128i p3 = weighted(u + 3 * step.du, v + 3 * step.dv, _mm_shuffle_epi32(up, 0xFF),
                                        _mm_shuffle_epi32(down, 0xFF), _mm_shuffle_epi32(across23, 0xFA));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 4 * i),
                             _mm_packus_epi16(columns(p0, p1), columns(p2, p3)));
            us = _mm_add_epi32(us, du4);
            vs = _mm_add_epi32(vs, dv4);
        }
    }
#endif
    for (; i < n; ++i) Store(out + 4 * i, local.AtFixed(step.u + i * step.du, step.v + i * step.dv));
}

// n wholly covered pixels from out on.
void SampleSpan(const Sampler& sampler, FixedStep step, int n, std::uint8_t* out, std::uint32_t opacity,
                bool premultiplied, bool over) {
    const Sampler local = sampler;
    const bool plain = opacity >= 256 && !over;
    // A picture moved by whole pixels at its own size (a layer at rest, the usual video frame): rows copied.
    const std::int64_t lastU = step.u + (n - 1) * step.du;
    if (step.du == 65536 && step.dv == 0 && plain && ((step.u | step.v) & 0xFFFF) == 0 && step.u >= 0 &&
        step.v >= 0 && lastU < (std::int64_t{local.Width()} << 16) &&
        step.v < (std::int64_t{local.Height()} << 16)) {
        std::memcpy(out, local.Pixel(static_cast<int>(step.u >> 16), static_cast<int>(step.v >> 16)),
                    4 * static_cast<std::size_t>(n));
        return;
    }
    const auto finish = [&](int i, std::uint32_t sample) {
        std::uint8_t* px = out + 4 * i;
        if (opacity < 256) sample = premultiplied ? ScaleAll(sample, opacity) : ScaleAlpha(sample, opacity);
        if (over) {
            const std::uint32_t dst = Load(px);
            sample = premultiplied ? OverPremultiplied(sample, dst) : OverStraight(sample, dst);
        }
        Store(px, sample);
    };
    const auto at = [&](int i) { return local.AtFixed(step.u + i * step.du, step.v + i * step.dv); };
    // The samples whose neighbours need no clamping, [lo, hi), are mixed without a test per pixel.
    // A run is a line, so when both its ends are inside every sample is: the usual case needs no division.
    const std::int64_t uLimit = std::int64_t{local.Width() - 1} << 16,
                       vLimit = std::int64_t{local.Height() - 1} << 16;
    const std::int64_t lastV = step.v + (n - 1) * step.dv;
    int lo = 0, hi = n;
    if (std::min(step.u, lastU) < 0 || std::max(step.u, lastU) >= uLimit || std::min(step.v, lastV) < 0 ||
        std::max(step.v, lastV) >= vLimit) {
        Within(step.u, step.du, uLimit, lo, hi);
        Within(step.v, step.dv, vLimit, lo, hi);
    }
    for (int i = 0; i < lo; ++i) finish(i, at(i));
    constexpr int kBlock = 64;
    for (int i = lo; i < hi; i += kBlock) {
        const int count = std::min(kBlock, hi - i);
        const FixedStep from{step.u + i * step.du, step.v + i * step.dv, step.du, step.dv, step.ahead};
        if (plain) {
            BilinearInside(local, from, count, out + 4 * i);
        } else {
            std::uint8_t block[4 * kBlock];
            BilinearInside(local, from, count, block);
            for (int k = 0; k < count; ++k) finish(i + k, Load(block + 4 * k));
        }
    }
    for (int i = hi; i < n; ++i) finish(i, at(i));
}

bool Finite(const Quad& q) {
    return std::all_of(q.begin(), q.end(),
                       [](const PosePoint& p) { return std::isfinite(p.x) && std::isfinite(p.y); });
}

}  // namespace

Quad FrameCorners(const Quad& pose, Placement placement, int width, int height) {
    Quad out = pose;
    for (PosePoint& p : out) {
        if (placement == Placement::WholeFrame) {
            p = {p.x * width, p.y * height};
        } else {
            p = {(p.x + 1) * width / 3.0, (p.y + 1) * height / 3.0};
        }
    }
    return out;
}

void RenderPose(ConstRgbaView picture, RgbaView frame, const Quad& pose, const RenderOptions& options) {
    if (frame.pixels == nullptr || frame.width <= 0 || frame.height <= 0) return;
    const auto clearRow = [&](int y, int from, int to) {
        if (!options.over && to > from)
            std::memset(frame.pixels + static_cast<std::ptrdiff_t>(y) * frame.stride + 4 * from, 0,
                        4 * static_cast<std::size_t>(to - from));
    };
    const Quad corners = FrameCorners(pose, options.placement, frame.width, frame.height);
    Projective forward, inverse;
    const double opacity = std::isfinite(options.opacity) ? std::clamp(options.opacity, 0.0, 1.0) : 0.0;
    const bool drawable = picture.pixels != nullptr && picture.width > 0 && picture.height > 0 &&
                          Finite(corners) && opacity > 0 && SquareToQuad(corners, forward) &&
                          Invert(forward, inverse);
    if (!drawable) {
        for (int y = 0; y < frame.height; ++y) clearRow(y, 0, frame.width);
        return;
    }
    Edge edges[4];
    const bool convex = ConvexEdges(corners, edges);
    double top = corners[0].y, bottom = top, left = corners[0].x, right = left;
    for (const PosePoint& p : corners) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
        left = std::min(left, p.x);
        right = std::max(right, p.x);
    }
    const int y0 = static_cast<int>(std::clamp(std::floor(top - 1), 0.0, static_cast<double>(frame.height)));
    const int y1 =
        static_cast<int>(std::clamp(std::ceil(bottom + 1), 0.0, static_cast<double>(frame.height)));
    const int xMin =
        static_cast<int>(std::clamp(std::floor(left - 1), 0.0, static_cast<double>(frame.width)));
    const int xMax =
        static_cast<int>(std::clamp(std::ceil(right + 1), 0.0, static_cast<double>(frame.width)));
    const Sampler sampler(picture);
    const auto opacity256 = static_cast<std::uint32_t>(std::lround(opacity * 256));
    const double* m = inverse.m;
    // Copies: the frame's bytes could alias anything the options point at, which would reload them per pixel.
    const bool over = options.over, premultiplied = options.premultiplied;

    const auto drawRows = [&](int firstRow, int endRow) {
        for (int y = firstRow; y < endRow; ++y) {
            if (y < y0 || y >= y1) {
                clearRow(y, 0, frame.width);
                continue;
            }
            const double cy = y + 0.5;
            // The pixels a convex quad can reach on this row: where every edge is less than half a pixel
            // away.
            double from = xMin, to = xMax;
            if (convex) {
                for (const Edge& e : edges) {
                    const double base = e.b * cy + e.c + 0.5;  // distance + 0.5 at x = 0 is a x + base
                    if (e.a == 0) {
                        if (base <= 0) to = from;
                    } else if (e.a > 0) {
                        from = std::max(from, -base / e.a - 0.5);
                    } else {
                        to = std::min(to, -base / e.a - 0.5 + 1);
                    }
                }
            }
            const int xs = static_cast<int>(
                std::clamp(std::floor(from), static_cast<double>(xMin), static_cast<double>(xMax)));
            const int xe = std::max(xs, static_cast<int>(std::clamp(std::ceil(to), static_cast<double>(xMin),
                                                                    static_cast<double>(xMax))));
            clearRow(y, 0, xs);
            clearRow(y, xe, frame.width);
            std::uint8_t* row = frame.pixels + static_cast<std::ptrdiff_t>(y) * frame.stride;
            const auto put = [&](int x, std::uint32_t out) {
                std::uint8_t* px = row + 4 * x;
                if (over) {
                    const std::uint32_t dst = Load(px);
                    Store(px, premultiplied ? OverPremultiplied(out, dst) : OverStraight(out, dst));
                } else {
                    Store(px, out);
                }
            };
            // An edge pixel: its coverage from the nearest edge's distance (or, for a quad that is not
            // convex, whether its centre maps into the picture).
            const auto edgePixel = [&](int x) {
                const double cx = x + 0.5;
                const double wn = m[6] * cx + m[7] * cy + m[8];
                const double u = (m[0] * cx + m[1] * cy + m[2]) / wn, v = (m[3] * cx + m[4] * cy + m[5]) / wn;
                double cover = 1;
                if (convex) {
                    double nearest = 1e300;
                    for (const Edge& e : edges) nearest = std::min(nearest, e.a * cx + e.b * cy + e.c);
                    cover = std::clamp(nearest + 0.5, 0.0, 1.0);
                } else if (wn <= 0 || u < 0 || u > 1 || v < 0 || v > 1) {
                    cover = 0;
                }
                std::uint32_t out = 0;
                if (cover > 0) {
                    const auto scale = static_cast<std::uint32_t>(cover * opacity256 + 0.5);
                    const std::uint32_t sample = sampler.At(std::clamp(u, 0.0, 1.0), std::clamp(v, 0.0, 1.0));
                    out = premultiplied ? ScaleAll(sample, scale) : ScaleAlpha(sample, scale);
                }
                put(x, out);
            };
            // The pixels every edge of a convex quad is at least half a pixel from are wholly covered: they
            // are sampled in fixed point.
            double whole0 = xe, whole1 = xe;
            if (convex) {
                whole0 = xs;
                whole1 = xe;
                for (const Edge& e : edges) {
                    const double base = e.b * cy + e.c - 0.5;  // distance - 0.5 at x = 0 is a x + base
                    if (e.a == 0) {
                        if (base < 0) whole1 = whole0;
                    } else if (e.a > 0) {
                        whole0 = std::max(whole0, -base / e.a - 0.5);
                    } else {
                        whole1 = std::min(whole1, -base / e.a - 0.5);
                    }
                }
            }
            // Clamped before the conversion: an edge almost along the row puts these far outside any int.
            const int fs = static_cast<int>(
                std::clamp(std::ceil(whole0), static_cast<double>(xs), static_cast<double>(xe)));
            const int fe = static_cast<int>(
                std::clamp(std::floor(whole1) + 1, static_cast<double>(fs), static_cast<double>(xe)));
            for (int x = xs; x < fs; ++x) edgePixel(x);
            // The picture's pixel at (cx, cy), picture pixel centres at whole numbers.
            const auto exactAt = [&](double cx, double cy) {
                const double r = 1 / (m[6] * cx + m[7] * cy + m[8]);
                return PosePoint{(m[0] * cx + m[1] * cy + m[2]) * r * sampler.Width() - 0.5,
                                 (m[3] * cx + m[4] * cy + m[5]) * r * sampler.Height() - 0.5};
            };
            const auto fixedAt = [&](double cx, double cy) {
                const PosePoint p = exactAt(cx, cy);
                // floor(value * 65536 + 0.5) with a cast, as the value is clamped above -2: std::floor is a
                // library call on the baseline instruction set.
                const auto fixed = [](double value) {
                    constexpr double kLift = 2 * 65536;
                    return static_cast<std::int64_t>(std::clamp(value, -2.0, 65536.0) * 65536 + 0.5 + kLift) -
                           static_cast<std::int64_t>(kLift);
                };
                return std::pair{fixed(p.x), fixed(p.y)};
            };
            // An affine map (no tilt) is linear along the row: one step for the whole span. A projective one
            // is followed exactly every `chunk` pixels and linearly between: the longest power of two whose
            // midpoint strays at most kStray from the map at both ends of the row, where it bends most (its
            // bend goes with 1 / w^3, and w is linear along the row).
            const bool affine = m[6] == 0 && m[7] == 0;
            int chunk = kLongestChunk;
            if (!affine) {
                const auto strays = [&](double from) {
                    const PosePoint a = exactAt(from, cy), b = exactAt(from + chunk, cy),
                                    mid = exactAt(from + chunk / 2.0, cy);
                    return std::max(std::abs((a.x + b.x) / 2 - mid.x), std::abs((a.y + b.y) / 2 - mid.y)) >
                           kStray;
                };
                while (chunk > kShortestChunk && (strays(fs + 0.5) || strays(fe - chunk + 0.5))) chunk /= 2;
            }
            auto start = fixedAt(fs + 0.5, cy);
            // The same pixel kAhead rows down, whose picture pixels are fetched while this row is drawn: a
            // turned picture is read along a slant that no cache foresees.
            const auto aheadOf = [&](int x, std::pair<std::int64_t, std::int64_t> at) {
                const auto below = fixedAt(x + 0.5, cy + kAhead);
                return ((below.second >> 16) - (at.second >> 16)) * sampler.Stride() +
                       4 * ((below.first >> 16) - (at.first >> 16));
            };
            std::int64_t ahead = 0;
            for (int x = fs; x < fe;) {
                const int n = affine ? fe - x : std::min(chunk, fe - x);
                const auto end = fixedAt(x + n + 0.5, cy);
                // The offset changes slowly along a row: taken anew every fourth chunk.
                if ((x - fs) % (4 * chunk) == 0) ahead = aheadOf(x, start);
                // A whole chunk divides by a shift: a 64-bit division per chunk was a fifth of a tilt's cost.
                const int shift = std::countr_zero(static_cast<unsigned>(chunk));
                const auto per = [&](std::int64_t d) { return n == chunk ? d >> shift : d / n; };
                SampleSpan(sampler,
                           {start.first, start.second, per(end.first - start.first),
                            per(end.second - start.second), ahead},
                           n, row + 4 * x, opacity256, premultiplied, over);
                start = end;
                x += n;
            }
            for (int x = fe; x < xe; ++x) edgePixel(x);
        }
    };
    // Rows depend on nothing but their own y, so bands of them are drawn at once.
    const int bands = std::clamp(options.threads, 1, std::max(1, frame.height / 16));
    std::vector<std::thread> helpers;
    for (int band = 1; band < bands; ++band) {
        const int from = frame.height * band / bands, to = frame.height * (band + 1) / bands;
        try {
            helpers.emplace_back(drawRows, from, to);
        } catch (const std::system_error&) {
            drawRows(from, to);  // no thread to be had: this one draws the band
        }
    }
    drawRows(0, frame.height / bands);
    for (std::thread& helper : helpers) helper.join();
}

}  // namespace motivra
