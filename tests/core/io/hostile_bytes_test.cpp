// Every binary reader meets random and mangled bytes: none may crash, hang or read outside its input (the
// sanitizer build turns any stray read into a failure).
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "core/colour_setup/palette_file.h"
#include "core/colour_setup/swatch_file.h"
#include "core/engine/behaviour_file.h"
#include "core/engine/track_store.h"

namespace motivra {
namespace {

// Random inputs of every short length, then a valid behaviour with single bytes flipped and cut short.
std::vector<std::vector<std::uint8_t>> HostileInputs() {
    std::mt19937 random(4977);
    std::vector<std::vector<std::uint8_t>> inputs;
    for (std::size_t length = 0; length < 400; length += 3) {
        std::vector<std::uint8_t> bytes(length);
        for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
        inputs.push_back(bytes);
    }
    TrackStore store;
    BehaviourTrack x = store.GetTrack(0);
    x.start = 3;
    x.enabled = 1;
    store.SetTrack(0, x);
    const auto valid = EncodeBehaviourFile(store, "text", {});
    for (std::size_t i = 0; i < valid.size(); ++i) {
        auto flipped = valid;
        flipped[i] ^= 0xFF;
        inputs.push_back(flipped);
        inputs.emplace_back(valid.begin(), valid.begin() + static_cast<std::ptrdiff_t>(i));
    }
    return inputs;
}

TEST(HostileBytes, ReadersReturnBoundedResultsForAnyInput) {
    for (const auto& bytes : HostileInputs()) {
        TrackStore store;
        DecodeBehaviourFile(store, bytes);
        store.CompleteLoad();
        EXPECT_LE(store.ThumbnailText().size(), kMaxThumbnailTextInFile);

        EXPECT_LE(DecodePaletteRecords(bytes).size(), bytes.size() / 10);
        DecodePalettePreview(bytes);
        EXPECT_LE(DecodeSwatchFile(bytes).swatches.size(), 255u);
    }
}

}  // namespace
}  // namespace motivra
