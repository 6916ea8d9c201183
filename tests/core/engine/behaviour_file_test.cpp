#include "core/engine/behaviour_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/engine/editor_track.h"
#include "core/engine/parameter_table.h"
#include "core/engine/record_bytes.h"
#include "core/engine/track_store.h"
#include "support/temp_dir.h"

namespace motivra {
namespace {

using test::PutHeader;
using test::PutRecord;
using test::PutU16;
using test::RawRecord;

// A row as the editor leaves it after the user moved its sliders.
BehaviourTrack EditedTrack(int slot, double start, double end) {
    BehaviourTrack t = EditorDefaultTrack(slot);
    t.start = start;
    t.end = end;
    t.span = end - start;
    t.enabled = DiffersFromDefault(t, slot) ? 1 : 0;
    return t;
}

TrackStore FreshEditorStore() {
    TrackStore store;
    for (int slot = 0; slot < kParameterCount; ++slot) store.SetTrack(slot, EditorDefaultTrack(slot));
    return store;
}

TEST(BehaviourFileWrite, XPositionRecordMatchesTheWorkedExampleToTheByte) {
    TrackStore store = FreshEditorStore();
    store.SetTrack(0, EditedTrack(0, 3.0, 1.0));
    const auto bytes = EncodeBehaviourFile(store, "Hi", BehaviourFlags{1, 0, 1, 0});

    std::vector<std::uint8_t> expected;
    std::uint32_t flags[4] = {1, 0, 1, 0};
    PutHeader(expected, flags, 1);
    // start -1 (stored 1 plus ammend -2), end -1, span -2, difference -2, range -2..2, default 2, ammend -2.
    PutRecord(expected, RawRecord{3, 3, 0, -2, 2, -1, -1, -2, -2, 0, 1, 2, -2, 1});
    PutU16(expected, 2);
    expected.push_back('H');
    expected.push_back('i');
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(bytes.size(), 22u + 104u + 2u);
    // The store keeps the difference it wrote, and its start stays in stored form.
    EXPECT_DOUBLE_EQ(store.StoredTrack(0).difference, -2.0);
    EXPECT_DOUBLE_EQ(store.StoredTrack(0).start, 1.0);
}

TEST(BehaviourFileWrite, OnlyEnabledTracksAreWrittenInSlotOrderNotKindOrEditOrder) {
    TrackStore store = FreshEditorStore();
    EXPECT_EQ(EncodeBehaviourFile(store, "", {}).size(), 22u);
    BehaviourTrack onlyTimes = EditorDefaultTrack(4);
    onlyTimes.startTime = 0.3;  // a time change alone does not enable a track
    onlyTimes.enabled = DiffersFromDefault(onlyTimes, 4) ? 1 : 0;
    store.SetTrack(4, onlyTimes);
    store.SetTrack(2, EditedTrack(2, 1.5, 0.5));
    store.SetTrack(0, EditedTrack(0, 1.0, 3.0));
    const auto bytes = EncodeBehaviourFile(store, "", {});
    ASSERT_EQ(bytes.size(), 22u + 2 * 104u);
    EXPECT_EQ(bytes[18], 2);
    EXPECT_EQ(bytes[20], 3);         // X Position's kind first
    EXPECT_EQ(bytes[20 + 104], 11);  // then Degrees
}

// What a replacement refuses and keeps is the atomic writer's test.
TEST(BehaviourFileWrite, AMissingFolderIsNotMade) {
    test::TempDir dir;
    TrackStore store = FreshEditorStore();
    store.SetTrack(0, EditedTrack(0, 3.0, 1.0));
    EXPECT_FALSE(SaveBehaviourFile(store, dir.Folder() + "missing/", "b", "", {}));
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "missing"));
}

TEST(BehaviourFileRoundTrip, EveryEditedSlotComesBackInEditorForm) {
    test::TempDir dir;
    TrackStore writer = FreshEditorStore();
    for (int slot = 0; slot < kParameterCount; ++slot) {
        const ParameterInfo& info = Parameter(slot);
        BehaviourTrack t = EditedTrack(slot, info.maximum * 0.75, info.maximum * 0.125);
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
    for (int slot = 0; slot < kParameterCount; ++slot) {
        EXPECT_EQ(reader.GetTrack(slot), writer.GetTrack(slot)) << Parameter(slot).name;
    }
}

// A file built by hand: header, the given records, then the text.
std::vector<std::uint8_t> HandMadeFile(const std::vector<RawRecord>& records, const std::string& text,
                                       std::uint16_t magic = 4977) {
    std::vector<std::uint8_t> b;
    std::uint32_t flags[4] = {1, 1, 0, 1};
    PutHeader(b, flags, static_cast<std::uint16_t>(records.size()));
    b[0] = magic & 0xFF;
    b[1] = magic >> 8;
    for (const RawRecord& r : records) PutRecord(b, r);
    PutU16(b, static_cast<std::uint16_t>(text.size()));
    b.insert(b.end(), text.begin(), text.end());
    return b;
}

// X Position with editor start 3, end 1, as the program writes it.
const RawRecord kXRecord{3, 3, 0, -2, 2, -1, -1, -2, -2, 0, 1, 2, -2, 1};
const RawRecord kDegreesRecord{11, 0, 1, -1, 1, -1.5, 0.5, 1.5, 1.5, 0.2, 0.6, 1, -1, 1};

TEST(BehaviourFileRead, RecordsInAnyOrderFillTheirSlotsUnknownKindsAreSkippedAndLaterOnesWin) {
    const RawRecord unknown{99, 3, 0, 0, 1, 7, 7, 0, 0, 0, 1, 0, 0, 1};
    RawRecord earlierX = kXRecord;
    earlierX.end = 0.5;
    TrackStore store;
    DecodeBehaviourFile(store, HandMadeFile({earlierX, kDegreesRecord, unknown, kXRecord}, "abc", 0xBEEF));
    store.CompleteLoad();
    EXPECT_TRUE(store.IsLoaded());
    EXPECT_EQ(store.Flags(), (BehaviourFlags{1, 1, 0, 1}));
    EXPECT_EQ(store.ThumbnailText(), "abc");

    const BehaviourTrack x = store.GetTrack(0);
    EXPECT_DOUBLE_EQ(x.start, 3.0);
    EXPECT_DOUBLE_EQ(x.end, 1.0);
    EXPECT_DOUBLE_EQ(x.minimum, 0.0);
    EXPECT_DOUBLE_EQ(x.maximum, 4.0);
    const BehaviourTrack degrees = store.GetTrack(2);
    EXPECT_DOUBLE_EQ(degrees.start, 0.5);
    EXPECT_DOUBLE_EQ(degrees.end, 1.5);
    EXPECT_EQ(degrees.timeMode, 0u);
    for (int slot : {1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12})
        EXPECT_EQ(store.StoredTrack(slot).enabled, 0) << slot;
}

TEST(BehaviourFileRead, TextIsTakenOnlyForOneToSixtyFourCharacters) {
    const std::string sixtyFour(64, 'a');
    TrackStore store;
    DecodeBehaviourFile(store, HandMadeFile({kXRecord}, sixtyFour));
    EXPECT_EQ(store.ThumbnailText(), sixtyFour);

    // Sixty-five characters are written whole but read back as no text.
    TrackStore writer;
    const auto bytes = EncodeBehaviourFile(writer, sixtyFour + "b", {});
    EXPECT_EQ(bytes.size(), 22u + 65u);
    DecodeBehaviourFile(store, bytes);
    EXPECT_EQ(store.ThumbnailText(), "");
    EXPECT_TRUE(store.IsLoaded());
}

TEST(BehaviourFileRead, AFileThatEndsEarlyKeepsTheRecordsReadBeforeTheCut) {
    const auto whole = HandMadeFile({kXRecord, kDegreesRecord}, "text");
    struct Cut {
        std::size_t length;
        bool xKept, degreesKept, loaded;
        std::uint32_t leadOut;
    };
    const Cut cuts[] = {
        {0, false, false, false, 0},       {17, false, false, false, 0},
        {19, false, false, false, 1},      {20 + 50, false, false, false, 1},
        {20 + 104, true, false, false, 1}, {20 + 104 + 103, true, false, false, 1},
        {20 + 208, true, true, true, 1},   {20 + 208 + 2 + 3, true, true, true, 1},
    };
    for (const Cut& cut : cuts) {
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
        if (cut.xKept) {
            EXPECT_DOUBLE_EQ(store.GetTrack(0).start, 3.0);
        }
    }
}

TEST(BehaviourFileRead, PathsThatAreNotReadableFiles) {
    test::TempDir dir;
    TrackStore store;
    BehaviourTrack edited = EditedTrack(5, 0.25, 1.75);
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

}  // namespace
}  // namespace motivra
