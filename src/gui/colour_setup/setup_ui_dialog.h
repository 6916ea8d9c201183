#pragma once

#include <QString>

#include <string>

#include "core/colour_setup/setup_ui_model.h"
#include "gui/colour_setup/setup_ui_controls.h"
#include "gui/data/program_location.h"
#include "gui/skin/skin_dialog.h"

namespace motivra {

// The Setup User Interface dialog, laid out from template 135. The user fills the six slots of the UI swatch
// from the shade square and hue bar, from palettes or from saved swatches, watches them on the test
// controls, and OK writes the scheme. The deciding is SetupUiModel's; this window forwards each control's
// event to it and shows the result. Palette and swatch library edits are saved when the dialog closes,
// whether by OK or Cancel; a save that fails says so and leaves the file as it was. Nothing reaches the
// settings before OK. Help and F1 ask for the colour setup's help page through helpRequested. The dialog is
// window-modal, so the help window stays usable beside it.
class SetupUiDialog : public SkinDialog {
    Q_OBJECT

public:
    // The palettes and swatches folders are looked for beside the program at programPath or in the folder
    // above it.
    explicit SetupUiDialog(QWidget* parent = nullptr, const std::string& programPath = DataProgramPath());
    ~SetupUiDialog() override;

    const SetupUiModel& Model() const { return model_; }
    const SetupUiControls& Controls() const { return controls_; }

    // Saves the changed libraries before the dialog closes.
    void done(int result) override;

signals:
    // Help or F1: the colour setup's page, named inside the help folder.
    void helpRequested(const QString& page);

private:
    void Initialise(const std::string& programPath);
    void Connect();
    void ShowTestUi();
    void ShowPaletteView();
    // A colour from the picker or a palette, for the slots.
    void UseColour(SchemeColour colour);
    void ClickUiSwatch();
    void ClickPalette();
    void ClickSwatchLibrary();
    void ShowDeleteColoursMode(bool on);
    void ShowDeleteSwatchMode(bool on);
    void ShowSpreadMode(bool on);
    // False, after telling the user, when the settings could not be written.
    bool WriteScheme();
    // What could not be saved, one paragraph per library; empty when everything was saved.
    QString SaveLibraries();
    QString PaletteSaveProblem(const std::string& why) const;
    QString SwatchSaveProblem(const std::string& why) const;

    SetupUiModel model_;
    SetupUiControls controls_;
};

}  // namespace motivra
