#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QPoint>
#include <QWidget>

#include <array>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/library/library_colours.h"
#include "core/library/tag_cloud_layout.h"
#include "core/library/tag_table.h"

namespace motivra {

// The library's tags as a cloud ("Available Tags" of the Save, Load and Edit Tags dialogs): names flowing in
// lines, each in one of six "Verdana" sizes by how many behaviours it had when loaded, coloured by its state.
// A plain click selects exactly the tag hit (or clears every tag on empty space); Ctrl+click toggles a tag in
// or out of the selection; Alt+click (or Shift+click) marks it subtracted or clears it. The press changes the
// states, and clicked() follows on the release, when the owner reads them. When the cloud is taller than the
// control, the wheel scrolls it a line per notch, so every tag can be reached.
class TagListControl : public QWidget {
    Q_OBJECT

public:
    explicit TagListControl(QWidget* parent = nullptr);

    // The tag folder of the library called name: name itself when it is a folder, else the tag-list search
    // beside the program; the dialogs pass "behaviours". No library leaves every file operation idle.
    void SetFolder(const std::string& name);

    // The tag table with every tag and tag-file operation. Changes made through it are shown at the next
    // paint (call update()).
    TagTable& Table() { return table_; }
    const TagTable& Table() const { return table_; }
    int Count() const { return table_.Count(); }

    // The "(untagged)" entry after the tags, for choosing the behaviours without tags; hidden at first.
    // Hiding it also clears its state.
    void SetUntaggedShown(bool shown);
    bool IsUntaggedShown() const { return untaggedShown_; }
    TagState UntaggedState() const { return untagged_; }
    // The hit index of the entry while it is shown: one past the last tag.
    int UntaggedIndex() const { return untaggedShown_ ? table_.Count() : -1; }
    static QString UntaggedText();

    // Re-reads BGColour, TextColour and SelectedColour from the settings.
    void LoadColours();
    // The background of the control and of Unselected names (the delete modes' tint).
    void SetBGColour(SchemeColour c);
    const TagCloudColours& Colours() const { return colours_; }

    // The cloud as the present table and width lay it out, in the cloud's own coordinates.
    TagCloudLayout Layout() const;
    // The tag under a client point (UntaggedIndex() for that entry), -1 when none.
    int HitTest(QPoint at) const;
    // The tag under the last press of the left button, -1 when it hit empty space or before any press.
    int LastHit() const { return lastHit_; }
    // Pixels of the cloud scrolled above the control's top.
    int ScrollOffset() const;
    // The font of weight bucket 0..5.
    const QFont& BucketFont(int bucket) const { return fonts_.at(static_cast<std::size_t>(bucket)); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // A tag name as drawn, with its advance in each bucket's font once measured (-1 before).
    struct ShownName {
        QString text;
        std::array<int, TagTable::kFontCount> advance;
    };

    const ShownName& Shown(int index, std::size_t bucket) const;
    // Each tag's text extent in its bucket's font, in table order.
    std::vector<TextExtent> MeasureTags() const;

    TagTable table_;
    TagCloudColours colours_;
    std::array<QFont, TagTable::kFontCount> fonts_;
    std::vector<QFontMetrics> metrics_;
    // Names are converted and measured once, not at every paint and click; any name of the table may be
    // looked up, so the cache is filled from const layout queries.
    mutable std::unordered_map<std::string, ShownName> shownNames_;
    int scroll_ = 0;
    int lastHit_ = -1;
    bool untaggedShown_ = false;
    TagState untagged_ = TagState::Unselected;
    int wheelRemainder_ = 0;  // eighths of a degree not yet turned into whole lines
};

}  // namespace motivra
