#include "gui/editor/export_dialog.h"

#include <QSignalSpy>

#include "gui/editor/export_template.h"
#include "gui/skin/skin_check_box.h"
#include "gui/skin/skin_edit.h"
#include "support/engine_test_support.h"
#include "support/library_dialog_support.h"

namespace motivra {
namespace {

using namespace export_dialog_id;
using S = ParameterSlot;

PlayableBehaviour Sliding() {
    TrackStore tracks = test::Edited({{S::XPosition, 2, 3}, {S::Zoom, 1, 2}});
    return *PlayableBehaviour::FromBytes(EncodeBehaviourFile(tracks, "slide", {}));
}

// The dialog shown with its messages and questions answered here, its fields typed with real keys.
struct ExportDialogTest : ::testing::Test {
    ExportDialogTest() { Open(); }
    void Open() {
        dialog = std::make_unique<ExportDialog>(nullptr, Sliding(), "slide");
        dialog->SetReporter(messages.Reporter());
        dialog->SetConfirmer(questions.Confirmer());
        test::ShowDialog(*dialog);
    }
    void Type(int id, const QString& text) { test::TypeInto(*FindControl<SkinEdit>(*dialog, id), text); }
    void PickFormat(ExportFormat format) {
        const auto at =
            std::find(kExportFormats.begin(), kExportFormats.end(), format) - kExportFormats.begin();
        QTest::mouseClick(FindControl<SkinCheckBox>(*dialog, kFirstFormat + static_cast<int>(at)),
                          Qt::LeftButton, {}, QPoint(4, 4));
    }
    // Clicks OK and waits for the export to end; false when none started.
    bool Export() {
        QSignalSpy finished(dialog.get(), &ExportDialog::exportFinished);
        test::ClickButton(*dialog, dialog_id::kOk);
        if (!dialog->Exporting()) return false;
        EXPECT_TRUE(finished.wait(60000));
        return true;
    }

    test::TempDir folder;
    test::Messages messages;
    test::Questions questions{.asked = {}, .answer = false};
    std::unique_ptr<ExportDialog> dialog;
};

// The typed fields are exported and offered again next time; an existing file is replaced only when the user
// says so.
TEST_F(ExportDialogTest, TypedFieldsAreExportedAndOfferedAgainNextTime) {
    PickFormat(ExportFormat::Css);
    Type(kWidth, "320");
    QTest::mouseClick(FindControl<SkinCheckBox>(*dialog, kFill), Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_TRUE(dialog->Form().fill);
    Type(kOut, QString::fromStdString(folder.File("slide.webp")));
    PickFormat(ExportFormat::Css);
    EXPECT_EQ(dialog->Form().out, folder.File("slide.css"))
        << "the format's extension replaces the typed one";
    EXPECT_EQ(dialog->NotesText().toStdString(),
              "Kept: CSS: X Position, Zoom, each with its own time window and easing");
    ASSERT_TRUE(Export());
    EXPECT_TRUE(std::filesystem::exists(folder.File("slide.css")));
    EXPECT_FALSE(dialog->isVisible()) << "a written export closes the dialog";

    Open();
    const ExportForm again = dialog->Form();
    EXPECT_EQ(again.format, ExportFormat::Css);
    EXPECT_EQ(again.width, "320");
    EXPECT_TRUE(again.fill);
    EXPECT_EQ(again.out, folder.File("slide.css"));

    PickFormat(ExportFormat::Lottie);
    Type(kOut, QString::fromStdString(folder.File("slide.json")));
    test::WriteBytes(folder.File("slide.json"), {'o', 'l', 'd'});
    EXPECT_FALSE(Export());
    ASSERT_EQ(questions.asked.size(), 1u);
    EXPECT_EQ(questions.asked[0], "slide.json already exists.\nReplace it?");
    EXPECT_EQ(test::ReadBytes(folder.File("slide.json")).size(), 3u);
    questions.answer = true;
    ASSERT_TRUE(Export());
    EXPECT_GT(test::ReadBytes(folder.File("slide.json")).size(), 3u);
}

TEST_F(ExportDialogTest, AStoppedExportLeavesTheFolderAsItWas) {
    for (const ExportFormat format : {ExportFormat::Webp, ExportFormat::Png}) {
        PickFormat(format);
        Type(kWidth, "1200");
        Type(kHeight, "900");
        Type(kDuration, "20");
        Type(kOut,
             QString::fromStdString(folder.File(format == ExportFormat::Png ? "frames" : "slide.webp")));
        if (format == ExportFormat::Png) std::filesystem::create_directory(folder.File("frames"));
        const auto before = test::FolderSnapshot(folder.Path());
        QSignalSpy finished(dialog.get(), &ExportDialog::exportFinished);
        test::ClickButton(*dialog, dialog_id::kOk);
        ASSERT_TRUE(dialog->Exporting());
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        ASSERT_TRUE(finished.wait(60000));
        EXPECT_FALSE(finished.at(0).at(0).toBool());
        EXPECT_EQ(test::FolderSnapshot(folder.Path()), before) << FormatName(format);
        EXPECT_EQ(messages.shown.back(), "The export was stopped; nothing was written.");
        EXPECT_TRUE(dialog->isVisible());
    }
}

}  // namespace
}  // namespace motivra
