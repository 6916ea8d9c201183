#include "gui/library/tag_list_control.h"

#include <QFontMetrics>

#include <tuple>

#include "gui/skin/skin_colour.h"
#include "library_widget_support.h"
#include "support/printers.h"

namespace motivra {
namespace {

using test::Describe;
using test::Picture;

struct TagListTest : ::testing::Test {
    // Tag files with the given numbers of links, loaded into a control of the given size.
    void Show(const std::vector<std::pair<std::string, int>>& tags, int width = 300, int height = 120) {
        for (const auto& [name, links] : tags) {
            std::string lines;
            for (int i = 0; i < links; ++i) lines += "vmrk-" + std::to_string(i) + "\r\n";
            library.Write("tags/" + name + ".tag", lines);
        }
        control.SetFolder(library.Folder());
        control.Table().LoadTags();
        test::ShowAt(control, width, height);
    }
    // Clicks the middle of a tag, or empty space for tag -1.
    void Click(int tag, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(&control, Qt::LeftButton, modifiers,
                          tag < 0 ? QPoint(200, 100) : test::TagCentre(control, tag));
    }
    // The pixel just inside the top-left corner of a tag's text, where its opaque background shows.
    QColor Behind(int tag) {
        const TagPlacement t = control.Layout().tags.at(static_cast<std::size_t>(tag));
        return Picture(control).pixelColor(t.text.x, t.text.y + 1 - control.ScrollOffset());
    }
    std::string States() const {
        std::string text;
        for (const TagEntry& e : control.Table().Entries())
            text += e.state == TagState::Selected ? '+' : e.state == TagState::Subtracted ? '-' : '.';
        return text;
    }

    test::DialogLibrary library;
    TagListControl control;
};

TEST_F(TagListTest, WeightsPickTheFontSizesAndStatesTheColours) {
    Show({{"eleven", 11}, {"five", 5}, {"zero", 0}});
    // The buckets and the flow are the core's; here, each bucket's face and the named height the layout is
    // given, which raises the text onto one line.
    const TagCloudLayout layout = control.Layout();
    // Bucket, height and text top of eleven, five and zero in listing order.
    const int tags[][3] = {{5, 21, -1}, {2, 17, 2}, {0, 12, 5}};
    for (int i = 0; i < 3; ++i) {
        // The mapped face has not every cell height; it comes within a pixel, and the cloud keeps the named
        // one.
        EXPECT_NEAR(QFontMetrics(control.BucketFont(tags[i][0])).height(), tags[i][1], 1) << i;
        EXPECT_EQ(layout.tags[i].text.y, tags[i][2]) << i;
    }
    control.Table().SetState(0, TagState::Selected);
    control.Table().SetState(1, TagState::Subtracted);
    const TagCloudColours& colours = control.Colours();
    EXPECT_EQ(Behind(0), SchemeQColor(colours.selectedColour)) << Describe(Behind(0));
    EXPECT_EQ(Behind(1), SchemeQColor(colours.selectedTextColour)) << Describe(Behind(1));
    EXPECT_EQ(Behind(2), SchemeQColor(colours.bgColour));
    // The opaque background is the named cell, 17 pixels high in bucket 2, whatever the face's own cell.
    const TagPlacement five = layout.tags[1];
    const QImage picture = Picture(control);
    EXPECT_EQ(picture.pixelColor(five.text.x + 2, five.text.y + 16),
              SchemeQColor(colours.selectedTextColour));
    EXPECT_EQ(picture.pixelColor(five.text.x + 2, five.text.y + 17), SchemeQColor(colours.bgColour));
    control.SetBGColour(0x0000C0_scheme);
    EXPECT_EQ(Behind(2), SchemeQColor(0x0000C0_scheme));
    EXPECT_EQ(Picture(control).pixelColor(150, 110), SchemeQColor(0x0000C0_scheme));
}

TEST_F(TagListTest, PlainCtrlAndAltClicksFollowTheStateTable) {
    Show({{"a", 1}, {"b", 2}, {"c", 3}});
    QSignalSpy clicks(&control, &TagListControl::clicked);
    std::string statesAtClick;
    QObject::connect(&control, &TagListControl::clicked, [&] { statesAtClick = States(); });
    // The tag clicked (-1: empty space), the keys held and the states after.
    const std::tuple<int, Qt::KeyboardModifiers, std::string> steps[] = {
        {1, {}, ".+."},
        {0, Qt::ControlModifier, "++."},
        {2, Qt::AltModifier, "++-"},
        {2, Qt::AltModifier | Qt::ControlModifier, "++."},  // Alt+Ctrl+click clears a subtracted tag
        {2, Qt::ShiftModifier, "++-"},                      // Shift stands for Alt
        {2, Qt::ShiftModifier | Qt::ControlModifier, "++."},
        {-1, Qt::ControlModifier, "++."},
        {-1, {}, "..."},  // a plain click on empty space clears every state
    };
    for (const auto& [tag, modifiers, states] : steps) {
        Click(tag, modifiers);
        EXPECT_EQ(States(), states) << "tag " << tag << " modifiers " << modifiers.toInt();
        EXPECT_EQ(statesAtClick, states) << "the press has changed the states when the click arrives";
    }
    EXPECT_EQ(clicks.count(), 8);
    EXPECT_TRUE(control.hasFocus());
}

TEST_F(TagListTest, TheWheelBringsEveryTagWithinReach) {
    std::vector<std::pair<std::string, int>> tags;
    for (int i = 0; i < 40; ++i) tags.push_back({"tag-" + std::to_string(100 + i), i % 7});
    Show(tags, 200, 60);
    const int last = control.Count() - 1;
    const TagCloudLayout layout = control.Layout();
    ASSERT_GT(layout.contentHeight, 60 + 40) << "the cloud must be taller than the control";
    test::Wheel(control, QPoint(100, 30), -1);
    EXPECT_EQ(control.ScrollOffset(), 20) << "a line per notch";
    test::Wheel(control, QPoint(100, 30), -100);
    EXPECT_EQ(control.ScrollOffset(), layout.contentHeight - 60) << "no further than the last line";
    ASSERT_LT(test::TagCentre(control, last).y(), 60);
    Click(last);
    EXPECT_EQ(Behind(last), SchemeQColor(control.Colours().selectedColour));
    test::Wheel(control, QPoint(100, 30), 100);
    EXPECT_EQ(control.ScrollOffset(), 0);
}

}  // namespace
}  // namespace motivra
