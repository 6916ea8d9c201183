#include "gui/editor/editor_screenshot.h"

#include "editor_test_support.h"
#include "gui/library/load_behaviour_dialog.h"
#include "support/library_dialog_support.h"

namespace motivra {
namespace {

using Dialog = ScreenshotRequest::Dialog;

// Behaviours a (X Position ending at 3.5) and b, both tagged T, in a temporary library.
struct ScreenshotTest : ::testing::Test {
    ScreenshotTest() {
        library.WriteBehaviour("a", "a", 3.5);
        library.WriteBehaviour("b", "b", 2.5);
        library.Write("tags/T.tag", "a\r\nb\r\n");
    }
    QImage Take(ScreenshotRequest request, QString* error = nullptr) {
        EditorScreenshot shot(editor.window, std::move(request));
        const QImage picture = shot.Take();
        if (error != nullptr) *error = shot.Error();
        return picture;
    }

    test::DialogLibrary library;
    test::ShownEditor editor;
};

// A dialog is pictured with its tags and pick, and closed without OK; an editor picture is set up as asked,
// and an area is its group box with a margin.
TEST_F(ScreenshotTest, DialogsAndEditorAreasArePicturedAsAskedAndBadRequestsAreRefused) {
    ScreenshotRequest request;
    request.dialog = Dialog::Load;
    request.tags = {"T"};
    request.pick = 1;
    EXPECT_EQ(Take(request).size(), LoadBehaviourDialog().size());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_DOUBLE_EQ(editor.Track(test::kXPosition).end, 2.0) << "nothing was loaded";

    QString error;
    request.tags = {"missing"};
    EXPECT_TRUE(Take(request, &error).isNull());
    EXPECT_TRUE(error.contains(QStringLiteral("missing"))) << error.toStdString();
    request.tags = {"T"};
    request.pick = 2;
    EXPECT_TRUE(Take(request, &error).isNull()) << "the grid shows two behaviours";
    EXPECT_TRUE(error.contains(QStringLiteral("position 2"))) << error.toStdString();

    ScreenshotRequest unreadable;
    unreadable.load = library.Path("none.vmr");
    EXPECT_TRUE(Take(unreadable, &error).isNull());
    EXPECT_TRUE(error.contains(QStringLiteral("none.vmr"))) << error.toStdString();

    ScreenshotRequest rows;
    rows.load = library.Path("a.vmr");
    rows.row = test::kZoom;
    rows.time = 0.35;
    rows.area = ScreenshotRequest::Area::Rows;
    const QImage picture = Take(rows);
    EXPECT_DOUBLE_EQ(editor.Track(test::kXPosition).end, 3.5) << "the behaviour was loaded";
    EXPECT_EQ(editor.window.Model().State().currentRow, test::kZoom) << "the row's label was clicked";
    EXPECT_DOUBLE_EQ(editor.window.Controls().timeline->GetTime(), 0.35);
    const QRect group = FindControl(editor.window, editor_id::kEditGroup)->geometry();
    EXPECT_EQ(picture.size(), group.size() + QSize(8, 8));

    rows.area = ScreenshotRequest::Area::Window;
    rows.width = 400;
    EXPECT_EQ(Take(rows).width(), 400) << "scaled to the width asked for";
}

}  // namespace
}  // namespace motivra
