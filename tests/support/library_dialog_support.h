#pragma once

#include <QApplication>
#include <QColor>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QString>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/engine/behaviour_file.h"
#include "core/engine/editor_track.h"
#include "core/engine/parameter_table.h"
#include "core/engine/track_store.h"
#include "core/library/library_folder.h"
#include "gui/data/program_location.h"
#include "gui/library/behaviour_grid.h"
#include "gui/library/edit_tags_dialog.h"
#include "gui/library/library_dialog.h"
#include "gui/library/tag_list_control.h"
#include "gui/skin/skin_button.h"
#include "gui/skin/template_dialog.h"
#include "support/engine_test_support.h"
#include "support/temp_dir.h"

namespace motivra::test {

// Tracks whose X Position runs from its default, 2, to xEnd, as the editor pushes an edited row.
inline TrackStore XMovedTo(double xEnd) { return Edited({{ParameterSlot::XPosition, 2, xEnd}}); }

// A library folder "behaviours" with its thumbs, tagdb and tags subfolders in a temporary folder, and every
// data lookup of the program pointed at a program in the bin folder beside it for the object's lifetime.
struct DialogLibrary {
    DialogLibrary() {
        for (const char* sub : {"thumbs", "tagdb", "tags"}) std::filesystem::create_directories(folder / sub);
    }

    std::string Folder() const { return folder.string(); }
    std::string Path(const std::string& relative) const { return (folder / relative).string(); }
    bool Exists(const std::string& relative) const { return std::filesystem::exists(folder / relative); }
    std::string Read(const std::string& relative) const { return ReadText(folder / relative); }
    void Write(const std::string& relative, const std::string& bytes = "") const {
        WriteText(folder / relative, bytes);
    }
    // A behaviour whose X Position ends at xEnd (editor form), with its thumbnail text and flags.
    void WriteBehaviour(const std::string& name, const std::string& text, double xEnd = 3.0,
                        const BehaviourFlags& flags = {1, 1, 0, 0}) const {
        TrackStore store = XMovedTo(xEnd);
        ASSERT_TRUE(SaveBehaviourFile(store, Folder() + "/", name, text, flags));
    }
    // A bitmap thumbnail of one colour for behaviour name.
    void WriteThumbnail(const std::string& name, QColor colour, QSize size = {96, 72}) const {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(colour);
        EXPECT_TRUE(picture.save(QString::fromStdString(ThumbnailPath(Folder(), name)), "BMP"));
    }
    TempDir root;
    const std::filesystem::path folder = root.Path() / "behaviours";
    DataProgramPathOverride program{(root.Path() / "bin" / "motivra").string()};
};

// The messages a dialog showed, in order.
struct Messages {
    LibraryDialog::Reporter Reporter() {
        return [this](const QString& message) { shown.push_back(message.toStdString()); };
    }
    std::string All() const {
        std::string text;
        for (const std::string& m : shown) text += m + "\n";
        return text;
    }
    std::vector<std::string> shown;
};

// The questions a dialog asked, in order, each given `answer`.
struct Questions {
    TemplateDialog::Confirmer Confirmer() {
        return [this](const QString& question, const QString&) {
            asked.push_back(question.toStdString());
            return answer;
        };
    }
    std::vector<std::string> asked;
    bool answer = true;
};

inline void ShowDialog(QDialog& dialog) {
    dialog.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
}

// Behaviours B {T1} (with a thumbnail file), C {T1, T2} and D, the tag files agreeing with the tag databases.
struct TaggedLibrary : DialogLibrary {
    TaggedLibrary() {
        for (const char* name : {"B", "C", "D"}) WriteBehaviour(name, std::string("the ") + name);
        Write("thumbs/B.bmp", "B picture");
        Write("tagdb/B.tdb", "T1\r\n");
        Write("tagdb/C.tdb", "T1\r\nT2\r\n");
        Write("tags/T1.tag", "B\r\nC\r\n");
        Write("tags/T2.tag", "C\r\n");
        Write("tags/T3.tag");
    }
};

// The Edit Tags dialog shown over a TaggedLibrary, its messages and questions collected.
struct TagsDialog {
    TagsDialog() {
        dialog.SetReporter(messages.Reporter());
        dialog.SetConfirmer(questions.Confirmer());
        ShowDialog(dialog);
    }
    TaggedLibrary library;
    EditTagsDialog dialog;
    Messages messages;
    Questions questions;
};

inline void ClickButton(const QWidget& dialog, int id) {
    QTest::mouseClick(FindControl<SkinButton>(dialog, id), Qt::LeftButton, {}, QPoint(6, 6));
}

// The middle of tag `index` as drawn, scrolled or not.
inline QPoint TagCentre(const TagListControl& tags, int index) {
    const PixelBox r = tags.Layout().tags.at(static_cast<std::size_t>(index)).rect;
    return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2 - tags.ScrollOffset());
}

// Clicks the middle of the named tag, with Ctrl or Alt held as asked.
inline void ClickTag(TagListControl& tags, const std::string& name, Qt::KeyboardModifiers keys = {}) {
    const int index = tags.Table().FindTag(name);
    ASSERT_GE(index, 0) << name;
    QTest::mouseClick(&tags, Qt::LeftButton, keys, TagCentre(tags, index));
}

// Clicks the cell of shown position k (on the first page).
inline void ClickCell(BehaviourGrid& grid, int k) {
    QTest::mouseClick(&grid, Qt::LeftButton, {}, grid.CellRect(k).center());
}

inline std::vector<std::string> Shown(const BehaviourGrid& grid) {
    std::vector<std::string> names;
    for (int k = 0; k < grid.GetCount(); ++k) names.push_back(grid.GetShownName(k));
    return names;
}

// The behaviour file at path as the editor reads it.
inline TrackStore LoadedBehaviour(const std::string& path) {
    TrackStore tracks;
    LoadBehaviourFile(tracks, path);
    tracks.CompleteLoad();
    return tracks;
}

// Replaces the text of a box by typing, as a user selecting all and typing over it.
inline void TypeInto(QLineEdit& box, const QString& text) {
    box.setFocus();
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(&box, Qt::Key_Delete);
    } else {
        QTest::keyClicks(&box, text);
    }
}

}  // namespace motivra::test
