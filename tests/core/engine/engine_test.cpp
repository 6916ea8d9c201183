#include "core/engine/behaviour_file.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/engine/bitmap_file.h"
#include "core/engine/parameter_table.h"
#include "core/engine/pose_geometry.h"
#include "core/engine/preview_layout.h"
#include "core/engine/thumbnail_layout.h"
#include "core/engine/timeline_geometry.h"
#include "core/engine/track_progress.h"
#include "core/engine/track_store.h"
#include "core/engine/transport_geometry.h"
#include "support/engine_test_support.h"
#include "support/temp_dir.h"

namespace motivra {
namespace {

// Hand packing of little-endian fields, independent of the program's own writer, for building expected files.
template <class T>
void Put(std::vector<std::uint8_t>& b, T v) {
    std::uint8_t raw[sizeof v];
    std::memcpy(raw, &v, sizeof v);  // the test machines are little-endian
    b.insert(b.end(), raw, raw + sizeof v);
}

struct RawRecord {
    std::uint32_t kind, timeMode, smooth;
    double minimum, maximum, start, end, span, difference, startTime, endTime, defaultValue, ammend;
    std::uint8_t enabled;
};

void PutRecord(std::vector<std::uint8_t>& b, const RawRecord& r) {
    for (const std::uint32_t v : {r.kind, r.timeMode, r.smooth, 0u}) Put(b, v);
    for (const double v : {r.minimum, r.maximum, r.start, r.end, r.span, r.difference, r.startTime, r.endTime,
                           r.defaultValue, r.ammend})
        Put(b, v);
    b.push_back(r.enabled);
    b.insert(b.end(), 7, 0);
}

using S = ParameterSlot;
using test::Edited;

// A file built by hand: header, the given records, then the text.
std::vector<std::uint8_t> HandMadeFile(const std::vector<RawRecord>& records, const std::string& text,
                                       std::uint16_t magic = 4977,
                                       std::array<std::uint32_t, 4> flags = {1, 1, 0, 1}) {
    std::vector<std::uint8_t> b;
    Put<std::uint16_t>(b, magic);
    for (const std::uint32_t flag : flags) Put(b, flag);
    Put<std::uint16_t>(b, static_cast<std::uint16_t>(records.size()));
    for (const RawRecord& r : records) PutRecord(b, r);
    Put<std::uint16_t>(b, static_cast<std::uint16_t>(text.size()));
    b.insert(b.end(), text.begin(), text.end());
    return b;
}

// X Position with editor start 3, end 1, as the program writes it: start -1 (stored 1 plus ammend -2), end
// -1, span -2, difference -2, range -2..2, default 2, ammend -2.
const RawRecord kXRecord{3, 3, 0, -2, 2, -1, -1, -2, -2, 0, 1, 2, -2, 1};
const RawRecord kDegreesRecord{11, 0, 1, -1, 1, -1.5, 0.5, 1.5, 1.5, 0.2, 0.6, 1, -1, 1};

// What a replacement refuses and keeps is the atomic writer's test.
TEST(BehaviourFileWrite, WorkedExampleToTheByteEnabledTracksInSlotOrderAndNoFolderMade) {
    TrackStore store = Edited({{S::XPosition, 3, 1}});
    EXPECT_EQ(EncodeBehaviourFile(store, "Hi", BehaviourFlags{1, 0, 1, 0}),
              HandMadeFile({kXRecord}, "Hi", 4977, {1, 0, 1, 0}));
    // The store keeps the difference it wrote, and its start stays in stored form.
    EXPECT_DOUBLE_EQ(store.StoredTrack(0).difference, -2.0);
    EXPECT_DOUBLE_EQ(store.StoredTrack(0).start, 1.0);
    test::TempDir dir;
    EXPECT_FALSE(SaveBehaviourFile(store, dir.Folder() + "missing/", "b", "", {}));
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "missing"));

    // Only enabled tracks are written, in slot order, not kind or edit order.
    store = Edited({{S::XScale, 0.5, 1.5, false}, {S::Degrees, 1.5, 0.5}, {S::XPosition, 1.0, 3.0}});
    const auto bytes = EncodeBehaviourFile(store, "", {});
    ASSERT_EQ(bytes.size(), 22u + 2 * 104u);
    EXPECT_EQ(bytes[18], 2);
    EXPECT_EQ(bytes[20], 3);         // X Position's kind first
    EXPECT_EQ(bytes[20 + 104], 11);  // then Degrees
}

TEST(BehaviourFileRoundTrip, EveryEditedSlotComesBackInEditorForm) {
    test::TempDir dir;
    TrackStore writer;
    for (int slot = 0; slot < kParameterCount; ++slot) {
        const double maximum = Parameter(slot).maximum;
        BehaviourTrack t = test::EditedTrack({ParameterSlot(slot), maximum * 0.75, maximum * 0.125});
        t.timeMode = static_cast<std::uint32_t>(slot % 4);
        t.smooth = slot % 2;
        t.startTime = 0.1;
        t.endTime = 0.9;
        writer.SetTrack(slot, t);
    }
    ASSERT_TRUE(SaveBehaviourFile(writer, dir.Folder(), "all", "every slot", BehaviourFlags{0, 1, 0, 1}));

    TrackStore reader;
    LoadBehaviourFile(reader, dir.File("all.vmr"));
    reader.CompleteLoad();
    ASSERT_TRUE(reader.IsLoaded());
    EXPECT_EQ(reader.ThumbnailText(), "every slot");
    EXPECT_EQ(reader.Flags(), (BehaviourFlags{0, 1, 0, 1}));
    // Binary fractions survive the form changes exactly, so the whole record must come back.
    for (int slot = 0; slot < kParameterCount; ++slot)
        EXPECT_EQ(reader.GetTrack(slot), writer.GetTrack(slot)) << Parameter(slot).name;
}

TEST(BehaviourFileRead, RecordsInAnyOrderFillTheirSlotsUnknownKindsAreSkippedLaterOnesWinAndTextIsUpTo64) {
    const std::string text(64, 'a');  // the longest text read
    const RawRecord unknown{99, 3, 0, 0, 1, 7, 7, 0, 0, 0, 1, 0, 0, 1};
    RawRecord earlierX = kXRecord;
    earlierX.end = 0.5;
    TrackStore store;
    DecodeBehaviourFile(store, HandMadeFile({earlierX, kDegreesRecord, unknown, kXRecord}, text, 0xBEEF));
    store.CompleteLoad();
    EXPECT_TRUE(store.IsLoaded());
    EXPECT_EQ(store.Flags(), (BehaviourFlags{1, 1, 0, 1}));
    EXPECT_EQ(store.ThumbnailText(), text);

    BehaviourTrack x = test::EditedTrack({S::XPosition, 3, 1});
    x.difference = -2;
    EXPECT_EQ(store.GetTrack(0), x);
    const BehaviourTrack degrees = store.GetTrack(2);
    EXPECT_DOUBLE_EQ(degrees.start, 0.5);
    EXPECT_DOUBLE_EQ(degrees.end, 1.5);
    EXPECT_EQ(degrees.timeMode, 0u);
    for (int slot : {1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12})
        EXPECT_EQ(store.StoredTrack(slot).enabled, 0) << slot;

    // Sixty-five characters are written whole but read back as no text.
    TrackStore writer;
    const auto bytes = EncodeBehaviourFile(writer, text + "b", {});
    EXPECT_EQ(bytes.size(), 22u + 65u);
    DecodeBehaviourFile(store, bytes);
    EXPECT_EQ(store.ThumbnailText(), "");
    EXPECT_TRUE(store.IsLoaded());
}

TEST(BehaviourFileRead, AFileThatEndsEarlyKeepsTheRecordsReadBeforeTheCut) {
    const auto whole = HandMadeFile({kXRecord, kDegreesRecord}, "text");
    const struct {
        std::size_t length;
        bool xKept, degreesKept, loaded;
        std::uint32_t leadOut;
    } cuts[] = {{0, false, false, false, 0},       {17, false, false, false, 0},
                {19, false, false, false, 1},      {20 + 50, false, false, false, 1},
                {20 + 104, true, false, false, 1}, {20 + 104 + 103, true, false, false, 1},
                {20 + 208, true, true, true, 1},   {20 + 208 + 2 + 3, true, true, true, 1}};
    for (const auto& cut : cuts) {
        SCOPED_TRACE("cut at " + std::to_string(cut.length));
        TrackStore store;
        store.SetThumbnailText("previous");
        DecodeBehaviourFile(store, std::span(whole.data(), cut.length));
        store.CompleteLoad();
        EXPECT_EQ(store.StoredTrack(0).enabled, cut.xKept ? 1 : 0);
        EXPECT_EQ(store.StoredTrack(2).enabled, cut.degreesKept ? 1 : 0);
        EXPECT_EQ(store.IsLoaded(), cut.loaded);
        EXPECT_EQ(store.ThumbnailText(), "");
        EXPECT_EQ(store.Flags().leadOut, cut.leadOut);
        EXPECT_TRUE(!cut.xKept || store.GetTrack(0).start == 3.0);
    }
}

TEST(BehaviourFileRead, PathsThatAreNotReadableFiles) {
    test::TempDir dir;
    TrackStore store;
    const BehaviourTrack edited = test::EditedTrack({S::YScale, 0.25, 1.75});
    store.SetTrack(5, edited);
    store.SetLoaded(true);

    // No such file: tracks unchanged, loaded flag cleared.
    LoadBehaviourFile(store, dir.File("none.vmr"));
    EXPECT_FALSE(store.IsLoaded());
    EXPECT_EQ(store.GetTrack(5), edited);

    // A folder is not a file either.
    LoadBehaviourFile(store, dir.Folder());
    EXPECT_EQ(store.GetTrack(5), edited);

    // An empty file resets the tracks and is not counted as loaded.
    test::WriteBytes(dir.Path() / "empty.vmr", {});
    LoadBehaviourFile(store, dir.File("empty.vmr"));
    EXPECT_FALSE(store.IsLoaded());
    EXPECT_EQ(store.StoredTrack(5).enabled, 0);
    EXPECT_EQ(store.Time(), 0.0);
}

// The little-endian 32-bit field at byte `at` of a written file.
std::uint32_t U32At(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

DeviceBitmap Blank(std::int32_t width, std::int32_t height, std::uint16_t bits) {
    DeviceBitmap bitmap;
    bitmap.header = *MakeBitmapInfoHeader(width, height, 1, bits);
    bitmap.rows.assign(bitmap.header.sizeImage, 0x5A);
    bitmap.colourTable.assign(bitmap.header.clrUsed, 0xFF123456);
    return bitmap;
}

TEST(BitmapHeader, SizesFollowTheRoundedDepthAndColourTablesOnlyBelow24Bits) {
    const struct {
        std::int32_t width, height;
        std::uint16_t bits;
        std::uint32_t sizeImage, clrUsed;
    } cases[] = {{5, 3, 24, 16 * 3, 0},                        // 15 bytes padded to 16
                 {33, 1, 1, 8, 2},                             // 33 bits need two words
                 {3, 1, 8, 4, 256},     {3, 1, 15, 8, 65536},  // 15 bits count as 16
                 {3, 1, 2, 4, 16},                             // 2 bits count as 4
                 {0, 0, 32, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << "x" << c.bits);
        const auto h = MakeBitmapInfoHeader(c.width, c.height, 1, c.bits);
        ASSERT_TRUE(h);
        EXPECT_EQ(h->sizeImage, c.sizeImage);
        EXPECT_EQ(h->clrUsed, c.clrUsed);
        EXPECT_EQ(h->bitCount, c.bits) << "written as reported, not rounded";
    }
    EXPECT_FALSE(MakeBitmapInfoHeader(100000, 100000, 1, 32)) << "past the 32-bit size fields";
    EXPECT_FALSE(MakeBitmapInfoHeader(-4, 3, 1, 32));
}

TEST(BitmapFile, HeadersFieldByFieldThenAnyColourTableThenRowsBottomFirstAndSavedOnlyIntoAFolder) {
    const auto bytes = EncodeBitmapFile(Blank(96, 72, 32));
    ASSERT_TRUE(bytes);
    ASSERT_EQ(bytes->size(), 54u + 27648u);
    EXPECT_EQ(std::string(bytes->begin(), bytes->begin() + 2), "BM");
    // bfSize, both reserved words, bfOffBits, biSize, width, height (positive: bottom row first), planes and
    // bit count, BI_RGB, biSizeImage, both resolutions, no colour table.
    const std::pair<std::size_t, std::uint32_t> fields[] = {
        {2, 27702}, {6, 0},      {10, 54}, {14, 40}, {18, 96}, {22, 72}, {26, 1 | 32u << 16},
        {30, 0},    {34, 27648}, {38, 0},  {42, 0},  {46, 0},  {50, 0}};
    for (const auto& [at, value] : fields) EXPECT_EQ(U32At(*bytes, at), value) << "offset " << at;
    EXPECT_EQ((*bytes)[54], 0x5A);

    const auto table = EncodeBitmapFile(Blank(3, 1, 8)).value();
    EXPECT_EQ(U32At(table, 10), 54u + 1024u);
    EXPECT_EQ(U32At(table, 54), 0x00123456u) << "each entry blue, green, red and a reserved zero";

    // Top row red, green; bottom row blue, white.
    const std::uint32_t pixels[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF};
    EXPECT_EQ(DeviceBitmapFromRgb32(2, 2, pixels).value().rows,
              (std::vector<std::uint8_t>{0xFF, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0}));
    EXPECT_FALSE(DeviceBitmapFromRgb32(2, 3, pixels)) << "fewer pixels than the size";

    // Saved only into an existing folder, and a failed write keeps what was there.
    test::TempDir dir;
    const DeviceBitmap bitmap = Blank(4, 2, 32);
    EXPECT_EQ(SaveBitmapFile(dir.Path().string(), "thumb-0001", bitmap), BitmapSaveResult::Written);
    EXPECT_EQ(test::ReadBytes(dir.Path() / "thumb-0001.bmp"), *EncodeBitmapFile(bitmap));
    EXPECT_EQ(BitmapPath(dir.Folder(), "a"), (dir.Path() / "a.bmp").string()) << "one separator only";

    const std::string missing = (dir.Path() / "thumbs").string();
    EXPECT_EQ(SaveBitmapFile(missing, "x", bitmap), BitmapSaveResult::FolderMissing);
    EXPECT_FALSE(std::filesystem::exists(missing));

    for (const char* name : {"", "../escape", "sub/x", "a\\b", ".."}) {
        EXPECT_EQ(SaveBitmapFile(dir.Path().string(), name, bitmap), BitmapSaveResult::NameRefused) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.Path().parent_path() / "escape.bmp"));

    // A picture that disagrees with its header is not encoded, so not written.
    DeviceBitmap broken[] = {Blank(4, 4, 24), Blank(4, 4, 8), Blank(4, 4, 32)};
    broken[0].rows.pop_back();
    broken[1].colourTable.clear();
    broken[2].header.sizeImage += 4;  // not the size the row stride gives
    broken[2].rows.resize(broken[2].header.sizeImage);
    for (const DeviceBitmap& b : broken) {
        EXPECT_EQ(SaveBitmapFile(dir.Path().string(), "broken", b), BitmapSaveResult::NotEncodable);
    }
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "broken.bmp"));
}

TEST(PreviewLayout, PosesLieOnTheMiddleThirdMoveByThirdsTruncateTowardsZeroAndAlphaColoursThePen) {
    const PreviewLayout layout = LayoutPreview(TrackStore{}, 300, 240);
    EXPECT_EQ(layout.middleThird, (PixelBox{100, 80, 200, 160}));
    const PixelQuad onEdge{{{100, 80}, {200, 80}, {100, 160}, {200, 160}}};
    for (const PixelQuad& pose : {layout.start, layout.end, layout.current}) EXPECT_EQ(pose, onEdge);
    EXPECT_EQ(layout.currentCross, (std::array<PixelLine, 2>{PixelLine{{150, 80}, {150, 160}},
                                                             PixelLine{{100, 120}, {200, 120}}}));

    const PreviewLayout moved = LayoutPreview(Edited({{S::XPosition, 3, 2}}), 300, 240);  // stored 1 to 0
    EXPECT_EQ(moved.start[0], (PixelPoint{200, 80})) << "X Position start 3: a third of the width right";
    EXPECT_EQ(moved.end[0], (PixelPoint{100, 80}));
    EXPECT_EQ(moved.current[0], (PixelPoint{150, 80}));  // halfway at t = 0.5
    // -0.005 x 100 = -0.5 truncates to 0, not -1, before the third is added.
    EXPECT_EQ(PreviewPixel({-0.005, 0.019}, 100, 100), (PixelPoint{100, 101}));
    EXPECT_EQ(PreviewPixel({-1.019, 2.5}, 100, 80), (PixelPoint{-1, 280}));

    const auto pen = [](double alpha, bool on) {
        return LayoutPreview(Edited({{S::Alpha, alpha, alpha, on}}), 300, 240).currentPen;
    };
    EXPECT_EQ(pen(255, true), MakeColour<SchemeColour>(127, 255, 127));
    EXPECT_EQ(pen(0, true), MakeColour<SchemeColour>(0, 43, 0));
    EXPECT_EQ(pen(0, false), preview::kCurrentPen);
    EXPECT_EQ(AlphaPenColour(300), MakeColour<SchemeColour>(150, 37, 150)) << "channels keep their low byte";
}

// Corners 0 to 3 as x, y pairs.
Quad Corners(double x0, double y0, double x1, double y1, double x2, double y2, double x3, double y3) {
    return {{{x0, y0}, {x1, y1}, {x2, y2}, {x3, y3}}};
}

TEST(PreviewPose, TransformsTheirGatesAndTheRotationsRule) {
    const Quad centred = Corners(0, 0, 1, 0, 0, 1, 1, 1);
    // Clockwise on screen: the top-left corner goes to the top right, the top right to the bottom right.
    const Quad quarterTurn = Corners(1, 0, 1, 1, 0, 0, 0, 1);
    const Quad halfTurn = Corners(1, 1, 0, 1, 1, 0, 0, 0);
    struct PoseCase {
        const char* what;
        Quad expected;
        TrackStore store;
        double time = 0.5;
        Pose pose = Pose::Start;
    };
    const PoseCase cases[] = {
        {"Degrees 1.25", quarterTurn, Edited({{S::Degrees, 1.25, 1.25}}), 0.5, Pose::Current},
        {"Rotations 2 look unrotated", centred, Edited({{S::Rotations, 2, 2}}), 0.5, Pose::Current},
        {"Rotations 0 to 2 at 0.25", halfTurn, Edited({{S::Rotations, 0, 2}}), 0.25, Pose::Current},
        // At no degrees a quarter of a rotation turns clockwise, as one more degree would.
        {"Rotations from zero degrees", quarterTurn, Edited({{S::Rotations, 0, 1}}), 0.25, Pose::Current},
        {"the start pose ignores Rotations", centred, Edited({{S::Rotations, 0, 2}}), 0.25},
        // -0.25 turn plus 0.25 away from zero is a half turn; towards zero would leave it unturned.
        {"Rotations away from zero", halfTurn, Edited({{S::Degrees, 0.75, 0.75}, {S::Rotations, 0, 2}}),
         0.125, Pose::Current},
        // Left edge 1.5 high, right 0.5, width half; then top edge half, bottom 1.5, height half.
        {"X 3D 1.5", Corners(0.25, -0.25, 0.75, 0.25, 0.25, 1.25, 0.75, 0.75), Edited({{S::X3D, 1.5, 1.5}})},
        {"Y 3D 0.5", Corners(0.25, 0.25, 0.75, 0.25, -0.25, 0.75, 1.25, 0.75), Edited({{S::Y3D, 0.5, 0.5}})},
        {"shear", Corners(0.5, -0.25, 1.5, 0.25, -0.5, 0.75, 0.5, 1.25),
         Edited({{S::XShear, 1.5, 1.5}, {S::YShear, 1.25, 1.25}})},
        // Closed gates skip scale and zoom, but position is always applied; X Scale alone opens the scale
        // gate.
        {"closed gates", Corners(0, 1, 1, 1, 0, 2, 1, 2),
         Edited({{S::XScale, 2, 2, false}, {S::Zoom, 3, 3, false}, {S::YPosition, 3, 3, false}})},
        {"X Scale alone", Corners(-0.5, 0, 1.5, 0, -0.5, 1, 1.5, 1), Edited({{S::XScale, 2, 2}})},
        // Scaled to 2 x 1, zoomed by half, turned a quarter, then moved right by 1.
        {"scale, zoom, rotation, position", Corners(1.75, 0, 1.75, 1, 1.25, 0, 1.25, 1),
         Edited({{S::XScale, 2, 2}, {S::Degrees, 1.25, 1.25}, {S::Zoom, 0.5, 0.5}, {S::XPosition, 3, 3}})}};
    for (PoseCase c : cases) {
        c.store.SetTime(c.time);
        const Quad q = PreviewPose(c.store, c.pose);
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_NEAR(q[i].x, c.expected[i].x, 1e-12) << c.what << ", corner " << i;
            EXPECT_NEAR(q[i].y, c.expected[i].y, 1e-12) << c.what << ", corner " << i;
        }
    }
}

TEST(ThumbnailLayout, AFreshBehaviourFillsTheFrameOnlyDegreesTurnsItAndPositionShiftsTheFit) {
    const ThumbnailLayout layout = LayoutThumbnail(TrackStore{}, 96, 72);
    ASSERT_TRUE(layout.posesDrawn);
    EXPECT_EQ(layout.startFill, (PixelQuad{{{0, 0}, {95, 0}, {95, 71}, {0, 71}}}));
    EXPECT_EQ(layout.end, (PixelQuad{{{0, 0}, {96, 0}, {0, 72}, {96, 72}}}));
    for (const PixelLine& arrow : layout.arrows) {
        EXPECT_EQ(arrow.from, arrow.to);
        EXPECT_FALSE(ArrowHead(arrow)) << "no head on an arrow of no length";
    }
    EXPECT_EQ(layout.endCross[0], (PixelLine{{48, 0}, {48, 72}}));

    // Only Degrees turns the thumbnail, and a disabled position does not move it.
    const PixelQuad fresh = layout.end;
    EXPECT_EQ(LayoutThumbnail(Edited({{S::Rotations, 0.5, 0.5}, {S::Alpha, 0, 0}}), 96, 72).end, fresh);
    EXPECT_EQ(LayoutThumbnail(Edited({{S::XPosition, 3, 3, false}}), 96, 72).end, fresh);
    const PixelQuad turned = LayoutThumbnail(Edited({{S::Degrees, 1.25, 1.25}}), 96, 72).end;
    EXPECT_NEAR(turned[0].x, fresh[1].x, 1) << "a quarter turn: corner 0 takes corner 1's place";
    EXPECT_NEAR(turned[0].y, fresh[1].y, 1);

    // Position moves without the half, and the off-centre extent x -0.5..1.5 (s = 2), y symmetric, shifts the
    // fit: ox = -0.5 - 1 / 6.5, oy = -0.5.
    const ThumbnailLayout moved = LayoutThumbnail(Edited({{S::XPosition, 3, 2}}), 96, 72);
    EXPECT_EQ(moved.startFill[0], (PixelPoint{58, 18}));
    EXPECT_EQ(moved.startFill[1], (PixelPoint{104, 18}));  // corner 1 at 105, one pixel in
    EXPECT_EQ(moved.arrows[0], (PixelLine{{58, 18}, {10, 18}}));
    // The untransformed picture is where the end pose (X Position back at 0) lies.
    EXPECT_EQ(moved.referenceTopLeft, (PixelPoint{10, 18}));
    EXPECT_EQ(moved.referenceBottomRight, (PixelPoint{57, 53}));
}

TEST(ThumbnailLayout, ACollapsedPictureKeepsTheFrameAndDrawsNoPosesButAFlatLineIsFitted) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (const TrackStore& store : {Edited({{S::XScale, 0, 0}, {S::YScale, 0, 0}}),
                                    Edited({{S::Zoom, nan, 1}}), Edited({{S::Zoom, inf, 1}})}) {
        const ThumbnailLayout layout = LayoutThumbnail(store, 96, 72);
        EXPECT_FALSE(layout.posesDrawn);
        EXPECT_EQ(std::pair(layout.referenceTopLeft, layout.referenceBottomRight),
                  std::pair(PixelPoint{0, 0}, PixelPoint{95, 71}));
    }
    // Y Scale 0 leaves no height but a width to fit by.
    const ThumbnailLayout flat = LayoutThumbnail(Edited({{S::YScale, 0, 0}}), 96, 72);
    EXPECT_TRUE(flat.posesDrawn);
    EXPECT_EQ(flat.end[0], (PixelPoint{0, 36}));
    EXPECT_EQ(flat.end[3], (PixelPoint{96, 36}));
}

// The geometry of the two time controls: the timeline and the transport bar.
// 201 x 116 pixels: an axis of 200 pixels and a graph of 100 rows under the 15-row band.
const TimelineScale kScale(201, 116, 0, 1);

// A change from 0 to 1 in the given time mode and easing.
TimelineTrack Track(std::uint32_t mode, std::uint32_t smooth, double startTime = 0, double endTime = 1) {
    return {mode, smooth, 0, 1, 0, 1, 0.5, {startTime, endTime}};
}

TEST(TimelineCurve, ValuesTruncateAxesStayFiniteAndTimeModesDrawFlatPartsAroundAStraightOrEasedChange) {
    EXPECT_EQ(kScale.ValueToY(0.0149), 113);  // 98.51 truncates
    EXPECT_EQ(TimelineScale(201, 116, 2, 2).ValueToY(2), 65) << "a range of zero width";
    EXPECT_DOUBLE_EQ(TimelineScale(1, 40, 0, 1).XToTime(10), 0) << "no axis to measure along";

    const struct {
        const char* what;
        TimelineTrack track;
        std::vector<PixelLine> lines;
    } cases[] = {
        {"whole duration: one line edge to edge", Track(3, 0), {{{0, 115}, {200, 15}}}},
        {"both times 0.25 and 0.75",
         Track(0, 0, 0.25, 0.75),
         {{{0, 115}, {50, 115}}, {{150, 15}, {200, 15}}, {{50, 115}, {150, 15}}}},
        {"start time only", Track(1, 0, 0.5, 0.9), {{{0, 115}, {100, 115}}, {{100, 115}, {200, 15}}}},
        {"end time only", Track(2, 0, 0.1, 0.5), {{{100, 15}, {200, 15}}, {{0, 115}, {100, 15}}}},
        {"an unknown easing draws no change",
         Track(0, 2, 0.25, 0.75),
         {{{0, 115}, {50, 115}}, {{150, 15}, {200, 15}}}}};
    for (const auto& c : cases) EXPECT_EQ(TimelineCurve(c.track, kScale), c.lines) << c.what;

    // An eased change is ten segments ending just short of the end.
    const std::vector<PixelLine> lines = TimelineCurve(Track(3, 1), kScale);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines.front().from, (PixelPoint{0, 115}));
    // The middle of an eased change is halfway up: u = 0.5 at x 100, y 115 - 50.
    EXPECT_EQ(lines[4].to, (PixelPoint{100, 65}));
    // The tenth step is 0.9999999999999999: x 199.99999999999997 truncates to 199.
    EXPECT_EQ(lines.back().to, (PixelPoint{199, 15}));
    // Eased: slow at first, the first segment rises less than a straight line would.
    EXPECT_GT(lines[0].to.y, 115 - 10);
    // y from 115 to 16: half = -99 / 2 = -49, so the eased end lies at 115 - 98 = 17, not 16.
    TimelineTrack lower = Track(3, 1);
    lower.end = 0.99;
    EXPECT_EQ(TimelineCurve(lower, kScale).back().to.y, 17);
}

using P = TransportPart;

// The editor's transport bar is 258 x 24 pixels: inside its border 256 x 22, handles 16 wide, a track of 224.
// Handles stop at the other handle and at the ends; moves within the limits are the control's own drags.
TEST(TransportLayout, HandlesAndBarFollowTheTimesAreHitInsideOnlyAndStopAtTheLimitsAndTimesAreClamped) {
    // 0.25 x 224 + 0.5 = 56.5 and 0.75 x 224 + 0.5 = 168.5 both truncate.
    const TimeRange times{0.25, 0.75};
    const TransportLayout layout = LayoutTransport(258, 24, times);
    struct HitCase {
        int x, y;
        std::optional<TransportPart> part;
    };
    // Each part's corners, and the pixels above the start handle, between it and the bar and past the end.
    const HitCase cases[] = {
        {57, 1, P::StartHandle}, {57, 0, {}},  {72, 10, {}}, {73, 10, P::MiddleBar}, {182, 23, P::MiddleBar},
        {184, 0, P::EndHandle},  {200, 10, {}}};
    for (const HitCase& c : cases) EXPECT_EQ(HitTransport(layout, c.x, c.y), c.part) << c.x << "," << c.y;
    EXPECT_EQ(layout.TimeToX(0.003), 1) << "rounded to the nearest pixel";

    const struct {
        const char* what;
        TransportPart part;
        int x;  // mouse x less the grab offset
        TimeRange result;
    } drags[] = {{"start past the end handle", P::StartHandle, 230, {0.75, 0.75}},
                 {"start past the left end", P::StartHandle, -40, {0, 0.75}},
                 {"end past the start handle", P::EndHandle, 10, {0.25, 0.25}},
                 {"end past the right end", P::EndHandle, 400, {0.25, 1}},
                 {"bar to the left end keeps its width", P::MiddleBar, 0, {0, 0.5}},
                 {"bar to the right end keeps its width", P::MiddleBar, 900, {0.5, 1}}};
    for (const auto& c : drags) EXPECT_EQ(DragTransport(layout, c.part, times, c.x), c.result) << c.what;
    const TransportLayout narrow = LayoutTransport(20, 24, {0.2, 0.4});
    EXPECT_LE(narrow.trackWidth, 0);
    EXPECT_EQ(DragTransport(narrow, P::StartHandle, {0.2, 0.4}, 3), (TimeRange{0.2, 0.4}))
        << "no track: no move";

    // Ranges are clamped into the axis.
    EXPECT_EQ(ClampTimes({0.3, 1.2}), (TimeRange{0.3, 1})) << "SetEndTime(1.2) with start 0.3";
    EXPECT_EQ(ClampTimes({-0.1, -0.2}), (TimeRange{0, 0})) << "SetStartTime(-0.1) with end -0.2";
    EXPECT_EQ(ClampTimes({1.5, 2}), (TimeRange{1, 1})) << "a start past the axis follows the end down";
    EXPECT_EQ(ClampTimes({0.6, 0.4}), (TimeRange{0.6, 0.4})) << "a backward range inside the axis is kept";
}

BehaviourTrack Timed(std::uint32_t mode, double s, double e, std::uint32_t smooth = 0) {
    return {.timeMode = mode, .smooth = smooth, .startTime = s, .endTime = e};
}

TEST(TrackProgress, TimeModesAndEasing) {
    const double quarterEased = (1 - std::cos(3.141592653589793 / 4)) / 2;
    const struct {
        const char* what;
        BehaviourTrack track;
        double t, expected;
    } cases[] = {{"whole duration ignores the times", Timed(3, 0.4, 0.6), 0.2, 0.2},
                 {"eased quarter", Timed(3, 0, 1, 1), 0.25, quarterEased},
                 {"both times, before", Timed(0, 0.2, 0.6), 0.1, 0.0},
                 {"both times, after", Timed(0, 0.2, 0.6), 0.7, 1.0},
                 {"both times, at start", Timed(0, 0.2, 0.6), 0.2, 0.0},
                 {"both times, at end", Timed(0, 0.2, 0.6), 0.6, 1.0},
                 {"start only", Timed(1, 0.5, 0.9), 0.75, 0.5},
                 {"start only, before", Timed(1, 0.5, 0.9), 0.25, 0.0},
                 {"end only, inside", Timed(2, 0.1, 0.5), 0.25, 0.5},
                 {"end only, after", Timed(2, 0.1, 0.5), 0.75, 1.0},
                 {"not clamped past 1", Timed(3, 0, 1), 1.0000000000000002, 1.0000000000000002},
                 {"start only past 1", Timed(1, 0.5, 1), 1.5, 2.0},
                 {"unknown mode acts as whole duration", Timed(7, 0.5, 0.6), 0.3, 0.3},
                 {"eased inside a window", Timed(0, 0.2, 0.6, 1), 0.4, 0.5}};
    for (const auto& c : cases) {
        EXPECT_NEAR(TrackProgress(c.track, c.t), c.expected, 1e-15) << c.what;
    }
    // A window of no width holds the start before its instant and the end from it.
    for (const BehaviourTrack& zero :
         {Timed(0, 0.4, 0.4), Timed(0, 0.4, 0.4, 1), Timed(1, 1, 1), Timed(2, 0, 0)}) {
        EXPECT_EQ(TrackProgress(zero, zero.startTime - 0.01), 0) << zero.timeMode << zero.smooth;
        EXPECT_EQ(TrackProgress(zero, zero.startTime), 1) << zero.timeMode << zero.smooth;
    }
}

TEST(TrackStore, SpanDrivesTheValueConversionTouchesFourFieldsAndResetAllKeepsFlagsTextAndDifference) {
    TrackStore store;
    EXPECT_EQ(store.Time(), 0.5);  // a new preview shows the middle
    BehaviourTrack x = test::EditedTrack({S::XPosition, 3, 1});
    x.difference = 4;
    store.SetTrack(0, x);
    EXPECT_DOUBLE_EQ(store.StoredValue(0), 0.0);
    EXPECT_DOUBLE_EQ(store.EditorValue(0), 2.0);
    store.SetTime(1.0);
    EXPECT_DOUBLE_EQ(store.EditorValue(0), 1.0);

    // A zero span holds the start value whatever end says.
    BehaviourTrack still = test::EditedTrack({S::XScale, 1.5, 0.2});
    still.span = 0;
    store.SetTrack(4, still);
    for (double t : {0.0, 0.3, 1.0}) {
        store.SetTime(t);
        EXPECT_DOUBLE_EQ(store.EditorValue(4), 1.5);
    }

    // Conversion to stored form touches exactly the four converted fields, and back.
    BehaviourTrack t = test::EditedTrack({S::Degrees, 1.25, 0.5});  // ammend -1
    t.difference = 9;
    t.startTime = 0.25;
    t.endTime = 0.75;
    store.SetTrack(2, t);
    BehaviourTrack expected = t;
    expected.start = 0.25;
    expected.end = -0.5;
    expected.minimum = -1;
    expected.maximum = 1;
    EXPECT_EQ(store.StoredTrack(2), expected);
    EXPECT_EQ(store.GetTrack(2), t);

    // Reset All restores the placeholders but keeps the flags, the text and the difference.
    store.SetFlags({1, 1, 1, 1});
    store.SetThumbnailText("kept");
    store.SetLoaded(true);
    store.SetTime(0.7);

    store.ResetAll();
    BehaviourTrack placeholder = TrackStore().StoredTrack(0);
    placeholder.difference = 4;
    EXPECT_EQ(store.StoredTrack(0), placeholder);
    EXPECT_FALSE(store.IsLoaded());
    EXPECT_EQ(store.Time(), 0.0);
    EXPECT_EQ(store.Flags(), (BehaviourFlags{1, 1, 1, 1}));
    EXPECT_EQ(store.ThumbnailText(), "kept");

    // Completing a load moves only the enabled starts into stored form.
    for (int slot : {0, 1}) {
        BehaviourTrack raw = store.StoredTrack(slot);
        raw.start = -1;  // as read from a file: stored start + ammend
        raw.enabled = slot == 0;
        store.SetStoredTrack(slot, raw);
    }
    store.CompleteLoad();
    EXPECT_EQ(store.StoredTrack(0).start, 1.0);
    EXPECT_EQ(store.StoredTrack(1).start, -1.0);
}

}  // namespace
}  // namespace motivra
