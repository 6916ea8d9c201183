#include "gui/colour_setup/setup_ui_dialog.h"

#include "colour_setup_support.h"
#include "gui/colour_setup/scheme_swatch.h"
#include "gui/colour_setup/shade_square.h"
#include "gui/skin/scheme_settings.h"
#include "gui/skin/skin_button.h"
#include "gui/skin/skin_check_box.h"
#include "gui/skin/skin_header.h"
#include "gui/skin/skin_label.h"
#include "gui/skin/skin_slider_plain.h"
#include "gui/skin/skin_test_support.h"
#include "support/printers.h"

namespace motivra {
namespace {

namespace fs = std::filesystem;
using namespace setup_ui_id;
using test::Picture;
using test::colour::RawSwatch;

constexpr UiSlots kDefaults{0x323232_scheme, 0x464646_scheme, 0x1E1E1E_scheme,
                            0x9B9B9B_scheme, 0xAAAAAA_scheme, 0x0078F0_scheme};
constexpr std::uint32_t kUnset = 0xDEADBEEF;

struct SetupUiTest : ::testing::Test, test::SetupUiHost {
    void SetUp() override { test::ClearSettings(); }
    void TearDown() override {
        dialog.reset();
        test::ClearSettings();
    }

    // Row r of the UI swatch, 120 x 208 pixels: rows 32 pixels apart.
    void ClickSlot(int row) const { test::Click(Get(kUiSwatch), QPoint(60, row * 32 + 8)); }
    // The test group's fill, inside its frame at the bottom left.
    QRgb TestGroupColour() const { return Picture(*Get(kTestGroup)).pixel(3, Get(kTestGroup)->height() - 4); }
    const UiSlots& Slots() const { return dialog->Model().State().colours; }
    static std::uint32_t Setting(std::string_view name) { return ReadSchemeNumber(name, kUnset); }
};

TEST_F(SetupUiTest, BuildsEveryControlInPlaceStartsFromTheSettingsAndTheEnabledBoxDisablesTheTestControls) {
    WriteSchemeNumber(scheme::kDlgColour, 0xC80000);  // blue, GDI form
    WriteSchemeNumber(scheme::kBGColour, 0x0000C8);   // red
    WriteSchemeNumber(scheme::kButtonFace, 2);
    Open();
    for (const DialogItem& item : SetupUiTemplate()) {
        const QWidget* control = Get(item.id);
        ASSERT_NE(control, nullptr) << item.id;
        EXPECT_EQ(control->geometry(), DialogRectToPixels(item.rect)) << item.id;
    }
    const SchemeSwatch* swatch = Get<SchemeSwatch>(kUiSwatch);
    EXPECT_EQ(swatch->GetColour(1), 0x0000C8_scheme) << "the slots read";
    EXPECT_EQ(swatch->GetSelected(), 0);
    for (int face = 0; face < 3; ++face) EXPECT_EQ(Get<SkinButton>(kVista + face)->FaceStyleValue(), face);
    EXPECT_EQ(Get<SkinButton>(kTestNormal)->FaceStyleValue(), 2) << "the test buttons show the face read";
    EXPECT_TRUE(Get<SkinButton>(kTestPressed)->IsLatched());
    EXPECT_EQ(Get<SkinCheckBox>(kTestCheck)->GetCheck(), 1);
    EXPECT_EQ(Get<SkinSliderPlain>(kSwatchSize)->GetPos(), 45);
    EXPECT_EQ(Get<SkinSliderPlain>(kPaletteSize)->GetPos(), 35);
    EXPECT_EQ(Get<SkinHeader>(kPaletteHeader)->GetIconKind(), SkinHeader::kColourPagesIcon);
    EXPECT_EQ(Get<ShadeSquare>(kShadeSquare)->BaseColour(), 0xC80000_scheme) << "the dialog's background";

    // The test area in the slots: Dialog BG, blue, around the group, which is red, as is the edit box's field
    // (the background lightened by 75), which takes the colour with red and blue exchanged.
    EXPECT_EQ(Picture(*Get(kTestArea)).pixel(2, 2), qRgb(0, 0, 200));
    EXPECT_EQ(TestGroupColour(), qRgb(200, 0, 0));
    QWidget* edit = Get(kTestEdit);
    EXPECT_EQ(Picture(*edit).pixel(edit->width() - 5, edit->height() / 2), qRgb(255, 75, 75));

    // The enabled box disables the test button, label and slider together.
    const QImage label = Picture(*Get(kTestLabel));
    test::Click(Get(kTestCheck), QPoint(6, 6));
    EXPECT_EQ(Get<SkinCheckBox>(kTestCheck)->GetCheck(), 0);
    EXPECT_FALSE(Get(kTestNormal)->isEnabled());
    EXPECT_FALSE(Get(kTestSlider)->isEnabled());
    EXPECT_NE(Picture(*Get(kTestLabel)), label) << "the label is drawn disabled";
    EXPECT_TRUE(Get(kTestPressed)->isEnabled()) << "the pressed button shows its look either way";
    test::Click(Get(kTestCheck), QPoint(6, 6));
    EXPECT_TRUE(Get(kTestNormal)->isEnabled());
    EXPECT_EQ(Picture(*Get(kTestLabel)), label);

    // Text hard to read on red is only noted: the face buttons set the test buttons and Enter is OK.
    EXPECT_EQ(Get<SkinLabel>(kContrastNote)->ShownText(),
              "Text is hard to read on Group BG (contrast 2.6:1).");
    Press(kRamp);
    EXPECT_EQ(Get<SkinButton>(kTestNormal)->FaceStyleValue(), 1);
    EXPECT_EQ(Get<SkinButton>(kTestPressed)->FaceStyleValue(), 1);
    // Help and F1 are the editor's dialog help test.
    Get(kUiSwatch)->setFocus();
    QTest::keyClick(Get(kUiSwatch), Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(Setting("ButtonFace"), 1u);
}

TEST_F(SetupUiTest, PickedAndPaletteColoursFillTheSelectedSlotOrAreSpreadAndTheLeftPaletteIsSaved) {
    data.WritePalette("warm.vmp", {{200, 100, 50}, {10, 20, 30}});
    const fs::path warm = data.palettes / "warm.vmp";
    const auto before = test::ReadBytes(warm);
    Open();
    ClickSlot(1);
    EXPECT_EQ(Get<ShadeSquare>(kShadeSquare)->BaseColour(), 0x464646_scheme) << "from the slot";
    ClickPaletteCell(0);
    PaletteList* palette = dialog->Controls().paletteList;
    EXPECT_TRUE(palette->Model().IsPaletteView());
    EXPECT_EQ(Get<SkinHeader>(kPaletteHeader)->GetIconKind(), SkinHeader::kStrokesIcon);
    EXPECT_TRUE(Get(kColourToLibrary)->isEnabled());
    const QPoint gap(palette->CellRect(1).left() - 1, 20);
    Press(kDeleteColours);
    EXPECT_EQ(Picture(*palette).pixel(gap), qRgb(0x46 + 60, 0x46 - 40, 0x46 - 40)) << "tinted red";
    Press(kDeleteColours);
    EXPECT_EQ(Picture(*palette).pixel(gap), qRgb(0x46, 0x46, 0x46));

    ClickPaletteCell(1);
    EXPECT_EQ(Slots()[1], MakeColour<SchemeColour>(200, 100, 50)) << "a palette colour";
    EXPECT_EQ(Get<ShadeSquare>(kShadeSquare)->BaseColour(), MakeColour<SchemeColour>(200, 100, 50));
    test::Click(Get(kHueBar), QPoint(0, 5));
    EXPECT_EQ(Slots()[1], 0x0000FF_scheme) << "pure red from the hue bar's left end";
    EXPECT_EQ(TestGroupColour(), qRgb(255, 0, 0)) << "shown at once";
    Press(kColourToLibrary);
    EXPECT_EQ(palette->GetCount(), 4);
    EXPECT_EQ(test::ReadBytes(warm), before) << "not saved yet";
    ClickPaletteCell(0);
    EXPECT_EQ(test::ReadBytes(warm),
              test::colour::PaletteBytes(4, {{200, 100, 50}, {10, 20, 30}, {255, 0, 0}, {}}))
        << "saved, the record after the colours black";
    EXPECT_FALSE(palette->Model().IsPaletteView());
    EXPECT_FALSE(Get(kColourToLibrary)->isEnabled());

    Press(kSpreadColour);
    EXPECT_EQ(Get<SkinButton>(kSpreadColour)->Colours().buttonColour, 0x0AA00A_rgb) << "green while on";
    test::Drag(Get(kShadeSquare), QPoint(5, 5), QPoint(-10, -10));  // to the white corner
    EXPECT_EQ(Slots()[0], 0xB6B6B6_scheme) << "white spread over the slots";
    Press(kSpreadColour);
    EXPECT_EQ(Get<SkinButton>(kSpreadColour)->Colours().buttonColour, 0x9B9B9B_rgb) << "the scheme's again";
}

TEST_F(SetupUiTest, SwatchesAreAddedEvenOnCancelCopiedIntoTheSlotsOrDeletedAndOkWritesTheDefaultsAndLibrary) {
    const std::vector<RawSwatch> swatches{{7, {1, 2, 3, 4, 5, 6}},
                                          {8, {0xE4E4E4, 0xF2F2F2, 0xC8C8C8, 0xE0E0E0, 0x303030, 0xD7781E}},
                                          {9, {9, 9, 9, 9, 9, 9}}};
    test::WriteBytes(data.swatches / "test.vmw", test::colour::SwatchBytes(3, 10, swatches));
    const std::pair<std::string_view, std::uint32_t> light[] = {
        {"DlgColour", 0xE4E4E4}, {"TextColour", 0x303030}, {"SelectedColour", 0xD7781E}, {"ButtonFace", 2}};
    for (const auto& [name, value] : light) WriteSchemeNumber(name, value);
    Open();
    Press(kSwatchToLibrary);
    EXPECT_EQ(dialog->Controls().swatchList->GetCount(), 4);
    test::Click(Get(kCancel), QPoint(10, 10));
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    const RawSwatch added{10, {0xE4E4E4, 0x464646, 0x1E1E1E, 0x9B9B9B, 0x303030, 0xD7781E}};
    EXPECT_EQ(test::ReadBytes(data.swatches / "test.vmw"),
              test::colour::SwatchBytes(4, 11, {swatches[0], swatches[1], swatches[2], added}));
    EXPECT_EQ(QSettings("Velmora", "zenthar").allKeys().size(), 4) << "no setting added";

    Open();
    EXPECT_NE(Get<SkinLabel>(kContrastNote)->ShownText(), "") << "dark text on the default Group BG";
    ClickSwatchCard(1);
    const UiSlots second{0xE4E4E4_scheme, 0xF2F2F2_scheme, 0xC8C8C8_scheme,
                         0xE0E0E0_scheme, 0x303030_scheme, 0xD7781E_scheme};
    EXPECT_EQ(Slots(), second);
    EXPECT_EQ(Get<SchemeSwatch>(kUiSwatch)->GetColour(4), 0x303030_scheme);
    SwatchList* library = dialog->Controls().swatchList;
    const QPoint gap(library->CellRect(1).left() - 1, 20);
    Press(kDeleteSwatch);
    EXPECT_EQ(Picture(*library).pixel(gap), qRgb(0x46 + 60, 0x46 - 40, 0x46 - 40)) << "tinted red";
    ClickSwatchCard(0);
    EXPECT_EQ(library->GetCount(), 3);
    EXPECT_EQ(Slots(), second) << "a deleted swatch is not copied";
    Press(kDeleteSwatch);
    EXPECT_EQ(Picture(*library).pixel(gap), qRgb(0x46, 0x46, 0x46));
    ClickSwatchCard(1);
    EXPECT_EQ(Slots(), (UiSlots{9_scheme, 9_scheme, 9_scheme, 9_scheme, 9_scheme, 9_scheme}))
        << "copied again";

    Press(kDefaultSwatch);
    EXPECT_EQ(Slots(), kDefaults);
    EXPECT_EQ(Get<SkinLabel>(kContrastNote)->ShownText(), "");
    EXPECT_EQ(Get<SkinButton>(kTestNormal)->FaceStyleValue(), 0);
    for (const auto& [name, value] : light) EXPECT_EQ(Setting(name), value) << "nothing written before OK";
    Press(kOk);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());
    for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(Setting(kUiSlots[i].valueName), kDefaults[i].Value());
    EXPECT_EQ(Setting("ButtonFace"), 0u);
    EXPECT_EQ(test::ReadBytes(data.swatches / "test.vmw"),
              test::colour::SwatchBytes(3, 11, {swatches[1], swatches[2], added}));
}

TEST_F(SetupUiTest, AFailedSaveSaysSoKeepsTheFileAndLosesNothingOpen) {
    data.WritePalette("locked.vmp", {{1, 2, 3}});
    const fs::path locked = data.palettes / "locked.vmp";
    const auto before = test::ReadBytes(locked);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    Open();
    ClickPaletteCell(0);
    Press(kColourToLibrary);
    const QString backProblem = test::MessageBoxText([this] { ClickPaletteCell(0); });
    EXPECT_TRUE(backProblem.startsWith("The palette could not be saved as\n")) << backProblem.toStdString();
    EXPECT_TRUE(backProblem.contains("(the file is write-protected)")) << backProblem.toStdString();
    EXPECT_TRUE(dialog->Controls().paletteList->Model().IsPaletteView()) << "still open, with the new colour";
    EXPECT_EQ(dialog->Controls().paletteList->GetCount(), 3);

    Press(kSwatchToLibrary);  // there is no library file, which is never created
    const QString closeProblem = test::MessageBoxText([this] { Press(kCancel); });
    EXPECT_TRUE(closeProblem.contains("The palette could not be saved")) << closeProblem.toStdString();
    EXPECT_TRUE(closeProblem.contains("There is no swatch library file")) << closeProblem.toStdString();
    EXPECT_EQ(test::ReadBytes(locked), before);
    EXPECT_FALSE(fs::exists(data.swatches / "test.vmw"));
    fs::permissions(locked, fs::perms::owner_write, fs::perm_options::add);
}

}  // namespace
}  // namespace motivra
