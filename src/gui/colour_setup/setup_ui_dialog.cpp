#include "gui/colour_setup/setup_ui_dialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QShortcut>
#include <QStringList>

#include "core/editor/help_location.h"
#include "gui/colour_setup/colour_block.h"
#include "gui/colour_setup/hue_bar.h"
#include "gui/colour_setup/palette_list.h"
#include "gui/colour_setup/scheme_swatch.h"
#include "gui/colour_setup/setup_ui_template.h"
#include "gui/colour_setup/shade_square.h"
#include "gui/colour_setup/swatch_list.h"
#include "gui/platform/translated_text.h"
#include "gui/skin/scheme_settings.h"
#include "gui/skin/skin_button.h"
#include "gui/skin/skin_check_box.h"
#include "gui/skin/skin_colour.h"
#include "gui/skin/skin_control_factory.h"
#include "gui/skin/skin_header.h"
#include "gui/skin/skin_label.h"
#include "gui/skin/skin_message_box.h"
#include "gui/skin/skin_slider_plain.h"

namespace motivra {

namespace {

constexpr SchemeColour kSpreadButtonColour{0x0AA00A};  // green while spread mode is on
constexpr SchemeColour kDeleteButtonColour{0x0A0A96};  // dark red while a delete mode is on

QWidget* CreateCustomControl(const DialogItem& item, QWidget* dialog) {
    using namespace setup_ui_id;
    switch (item.id) {
        case kSwatchLibrary:
            return new SwatchList(dialog);
        case kPaletteView:
            return new PaletteList(dialog);
        case kTestArea:
            return new ColourBlock(dialog);
        case kUiSwatch:
            return new SchemeSwatch(dialog);
        case kShadeSquare:
            return new ShadeSquare(dialog);
        case kHueBar:
            return new HueBar(dialog);
        default:
            return nullptr;
    }
}

SkinButton* Button(const QWidget& dialog, int id) { return FindControl<SkinButton>(dialog, id); }

// What the buttons whose captions say little on their own do.
struct ButtonHint {
    int id;
    const char* text;
};
constexpr ButtonHint kHints[] = {
    {setup_ui_id::kDeleteSwatch, QT_TRANSLATE_NOOP("SetupUi", "While on, a click on a swatch deletes it")},
    {setup_ui_id::kColourToLibrary,
     QT_TRANSLATE_NOOP("SetupUi", "Adds the picked colour to the open palette")},
    {setup_ui_id::kDefaultSwatch, QT_TRANSLATE_NOOP("SetupUi", "The standard dark scheme")},
    {setup_ui_id::kSpreadColour,
     QT_TRANSLATE_NOOP("SetupUi", "While on, a picked colour fills every slot but Highlight, in shades")},
    {setup_ui_id::kSwatchToLibrary, QT_TRANSLATE_NOOP("SetupUi", "Keeps the six colours as a new swatch")},
    {setup_ui_id::kDeleteColours,
     QT_TRANSLATE_NOOP("SetupUi", "While on, a click on a palette colour deletes it")},
};

QString Native(const std::string& path) { return QFile::decodeName(path.c_str()); }

}  // namespace

SetupUiDialog::SetupUiDialog(QWidget* parent, const std::string& programPath)
    : SkinDialog(parent, setup_ui_id::kOk) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(tr("Setup User Interface"));
    setWindowModality(Qt::WindowModal);
    if (parent != nullptr) setWindowIcon(parent->window()->windowIcon());
    BuildSkinDialog(*this, kSetupUiWidthUnits, kSetupUiHeightUnits, SetupUiTemplate(), CreateCustomControl);
    controls_ = SetupUiControls::Find(*this);
    Initialise(programPath);
    Connect();
}

// A dialog that is destroyed without closing (its owner went first) still keeps the library edits.
SetupUiDialog::~SetupUiDialog() { SaveLibraries(); }

void SetupUiDialog::Initialise(const std::string& programPath) {
    using namespace setup_ui_id;
    const SetupUiControls& c = controls_;
    for (int face = 0; face < 3; ++face) Button(*this, kVista + face)->SetFaceStyle(face);
    for (const int id : {kOk, kCancel, kHelp}) Button(*this, id)->SetBGColour(DlgColour());
    for (const ButtonHint& hint : kHints)
        Button(*this, hint.id)->SetToolTipText(QCoreApplication::translate("SetupUi", hint.text));
    c.testPressed->SetLatched(true);
    c.testCheck->SetCheck(1);
    c.swatchSize->SetMarkers(true, false);
    c.swatchSize->SetRange(30, 92);
    c.swatchSize->SetPos(45);
    c.paletteSize->SetMarkers(true, false);
    c.paletteSize->SetRange(14, 65);
    c.paletteSize->SetPos(35);
    c.testSlider->SetRange(0, 10);
    c.testSlider->SetPos(6);
    c.shade->SetBaseColour(DlgColour());
    for (int i = 0; i < kUiSlotCount; ++i)
        c.uiSwatch->SetName(
            i, QCoreApplication::translate("SetupUi", kUiSlots[static_cast<std::size_t>(i)].name.data()));
    model_.Load(SettingsSchemeSource{});
    c.swatchList->Reset();
    c.swatchList->SetFolder("swatches", programPath);
    c.swatchList->SetFile("test");
    c.swatchList->Load();
    c.paletteList->Reset();
    c.paletteList->SetFolder("palettes", programPath);
    c.paletteList->SetPalette("");
    c.paletteList->Open();
    ShowPaletteView();
    // The quiet note sits on the dialog's own background.
    c.contrastNote->SetBGColour(DlgColour());
    ShowDeleteColoursMode(false);
    ShowDeleteSwatchMode(false);
    ShowTestUi();
}

void SetupUiDialog::Connect() {
    using namespace setup_ui_id;
    const SetupUiControls& c = controls_;
    connect(Button(*this, kOk), &SkinButton::clicked, this, [this] {
        // The dialog stays open until the scheme is written, so the colours picked are not lost.
        if (WriteScheme()) accept();
    });
    connect(Button(*this, kCancel), &SkinButton::clicked, this, &SetupUiDialog::reject);
    const auto askForHelp = [this] {
        emit helpRequested(QString::fromUtf8(kColourSetupHelpPage.data(),
                                             static_cast<qsizetype>(kColourSetupHelpPage.size())));
    };
    connect(Button(*this, kHelp), &SkinButton::clicked, this, askForHelp);
    // Window-wide, so F1 works whichever control has the focus.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this, askForHelp);
    connect(Button(*this, kDefaultSwatch), &SkinButton::clicked, this, [this] {
        model_.DefaultSwatch();
        ShowTestUi();
    });
    connect(c.spread, &SkinButton::clicked, this, [this] { ShowSpreadMode(model_.ToggleSpread()); });
    connect(Button(*this, kSwatchToLibrary), &SkinButton::clicked, this,
            [this] { controls_.swatchList->Add(model_.State().colours); });
    connect(c.colourToLibrary, &SkinButton::clicked, this,
            [this] { controls_.paletteList->AddColour(PaletteAddForm(controls_.shade->GetColour())); });
    connect(c.deleteColours, &SkinButton::clicked, this,
            [this] { ShowDeleteColoursMode(model_.ToggleDeleteColours()); });
    connect(c.deleteSwatch, &SkinButton::clicked, this,
            [this] { ShowDeleteSwatchMode(model_.ToggleDeleteSwatch()); });
    for (int face = 0; face < 3; ++face) {
        connect(Button(*this, kVista + face), &SkinButton::clicked, this, [this, face] {
            model_.SetButtonFace(static_cast<std::uint32_t>(face));
            ShowTestUi();
        });
    }
    connect(c.uiSwatch, &SchemeSwatch::clicked, this, &SetupUiDialog::ClickUiSwatch);
    connect(c.shade, &ShadeSquare::colourChanged, this, [this] { UseColour(controls_.shade->GetColour()); });
    connect(c.hue, &HueBar::colourChanged, this, [this] {
        controls_.shade->SetBaseColour(controls_.hue->GetColour());
        UseColour(controls_.shade->GetColour());
    });
    connect(c.paletteList, &PaletteList::clicked, this, &SetupUiDialog::ClickPalette);
    connect(c.swatchList, &SwatchList::clicked, this, &SetupUiDialog::ClickSwatchLibrary);
    connect(c.testCheck, &SkinCheckBox::clicked, this,
            [this] { controls_.EnableTestControls(controls_.testCheck->GetCheck() == 1); });
    connect(c.paletteSize, &SkinSliderPlain::positionChanged, this,
            [this](int size) { controls_.paletteList->SetCellSize(size); });
    connect(c.swatchSize, &SkinSliderPlain::positionChanged, this,
            [this](int size) { controls_.swatchList->SetItemSize(size); });
}

void SetupUiDialog::ShowTestUi() {
    controls_.ShowTestUi(model_.TestUi(), model_.State().colours, Translated(model_.ContrastNote()));
}

void SetupUiDialog::ShowPaletteView() {
    const PaletteHeader header = controls_.paletteList->Header();
    controls_.paletteHeader->SetCaption(Translated(header.text));
    controls_.paletteHeader->SetIconKind(header.style);
    controls_.paletteHeader->update();
    // Colours are added to an open palette only.
    controls_.colourToLibrary->setEnabled(controls_.paletteList->Model().IsPaletteView());
}

void SetupUiDialog::UseColour(SchemeColour colour) {
    if (model_.UseColour(colour, controls_.uiSwatch->GetSelected())) ShowTestUi();
}

void SetupUiDialog::ClickUiSwatch() {
    if (controls_.uiSwatch->GetSelected() < 0) return;
    // The picker starts again from the slot's own colour: its mark goes to the corner that gives the base.
    controls_.shade->ClearSelection();
    controls_.shade->SetBaseColour(controls_.uiSwatch->GetSelectedRowColour());
    controls_.hue->ClearSelection();
}

void SetupUiDialog::ClickPalette() {
    PaletteList& palette = *controls_.paletteList;
    switch (
        model_.ClickPalette(palette.Model().IsPaletteView(), palette.HitIndex(), palette.IsBackCellHit())) {
        case PaletteClick::Nothing:
            return;
        case PaletteClick::OpenFile:
            palette.SetPalette(palette.HitName());
            palette.Open();
            // A file that went since the folder was listed, or a name that could leave the folder: back to
            // the folder, which shows what is there now.
            if (!palette.Model().IsPaletteView()) {
                palette.SetPalette("");
                palette.Open();
            }
            break;
        case PaletteClick::Back: {
            std::string why;
            if (!palette.Save(&why)) {
                // The palette stays open, so nothing the user added is lost.
                SkinMessageBox::Tell(this, windowTitle(), PaletteSaveProblem(why));
                return;
            }
            palette.SetPalette("");
            palette.Open();
            break;
        }
        case PaletteClick::UseColour: {
            const SchemeColour colour = palette.ColourAtHit();
            UseColour(colour);
            controls_.shade->ClearSelection();
            controls_.shade->SetBaseColour(colour);
            controls_.hue->ClearSelection();
            return;
        }
        case PaletteClick::DeleteColour:
            palette.DeleteHitColour();
            return;
    }
    ShowPaletteView();
}

void SetupUiDialog::ClickSwatchLibrary() {
    SwatchList& library = *controls_.swatchList;
    switch (model_.ClickSwatch(library.HitIndex())) {
        case SwatchClick::Nothing:
            return;
        case SwatchClick::CopyToSlots:
            model_.SetSlots(library.SwatchAtHit().colours);
            ShowTestUi();
            return;
        case SwatchClick::Delete:
            library.DeleteHitSwatch();
            return;
    }
}

void SetupUiDialog::ShowSpreadMode(bool on) {
    if (on) {
        controls_.spread->SetButtonColour(kSpreadButtonColour);
    } else {
        controls_.spread->LoadColours();
    }
    controls_.spread->update();
}

void SetupUiDialog::ShowDeleteColoursMode(bool on) {
    if (on) {
        controls_.deleteColours->SetButtonColour(kDeleteButtonColour);
    } else {
        controls_.deleteColours->LoadColours();
    }
    controls_.paletteList->SetDeleteLook(on);
    controls_.deleteColours->update();
}

void SetupUiDialog::ShowDeleteSwatchMode(bool on) {
    if (on) {
        controls_.deleteSwatch->SetButtonColour(kDeleteButtonColour);
    } else {
        controls_.deleteSwatch->LoadColours();
    }
    controls_.swatchList->SetDeleteLook(on);
    controls_.deleteSwatch->update();
}

bool SetupUiDialog::WriteScheme() {
    std::vector<std::pair<std::string_view, std::uint32_t>> values;
    for (const SchemeWrite& write : model_.OkWrites()) values.emplace_back(write.name, write.value);
    QString file;
    if (WriteSchemeNumbers(values, &file)) return true;
    SkinMessageBox::Tell(this, windowTitle(),
                         tr("The colour scheme could not be written to\n%1\nThe scheme in use is as it "
                            "was; OK again tries once more, Cancel leaves it.")
                             .arg(QDir::toNativeSeparators(file)));
    return false;
}

void SetupUiDialog::done(int result) {
    const QString problems = SaveLibraries();
    if (!problems.isEmpty()) SkinMessageBox::Tell(this, windowTitle(), problems);
    SkinDialog::done(result);
}

QString SetupUiDialog::SaveLibraries() {
    QStringList problems;
    std::string why;
    if (!controls_.paletteList->Save(&why)) problems << PaletteSaveProblem(why);
    why.clear();
    if (!controls_.swatchList->Save(&why)) problems << SwatchSaveProblem(why);
    return problems.join(QStringLiteral("\n\n"));
}

QString SetupUiDialog::PaletteSaveProblem(const std::string& why) const {
    return tr("The palette could not be saved as\n%1\n(%2). The file there is as it was.")
        .arg(Native(controls_.paletteList->SavePath()), QString::fromLocal8Bit(why.c_str()));
}

QString SetupUiDialog::SwatchSaveProblem(const std::string& why) const {
    const std::string path = controls_.swatchList->FilePath();
    if (path.empty()) {
        return tr(
            "There is no swatches folder beside the program, so the changes to the swatch library were not "
            "kept.");
    }
    if (!QFileInfo(Native(path)).isFile()) {
        return tr("There is no swatch library file\n%1\nso the changes to the swatch library were not kept.")
            .arg(Native(path));
    }
    return tr("The swatch library could not be saved to\n%1\n(%2). The file there is as it was.")
        .arg(Native(path), QString::fromLocal8Bit(why.c_str()));
}

}  // namespace motivra
