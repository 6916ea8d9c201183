#include "gui/library/tag_list_control.h"

#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "core/library/tag_click.h"
#include "gui/data/program_location.h"
#include "gui/platform/file_name_text.h"
#include "gui/skin/scheme_settings.h"
#include "gui/skin/skin_colour.h"
#include "gui/skin/skin_font.h"

namespace motivra {

namespace {

constexpr int kWheelNotch = 120;    // eighths of a degree in one notch of a mouse wheel
constexpr int kIndicatorWidth = 3;  // the scroll position mark at the right edge of a scrolled cloud
constexpr int kIndicatorAlpha = 110;

}  // namespace

TagListControl::TagListControl(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    for (std::size_t b = 0; b < fonts_.size(); ++b) {
        fonts_[b] = SkinFont(FontFace::Verdana, kTagFontHeights[b]);
        metrics_.emplace_back(fonts_[b]);
    }
    colours_.Load(SettingsSchemeSource{});
}

void TagListControl::SetFolder(const std::string& name) { table_.SetFolder(name, DataProgramPath()); }

QString TagListControl::UntaggedText() { return tr("(untagged)"); }

void TagListControl::SetUntaggedShown(bool shown) {
    if (shown == untaggedShown_) return;
    untaggedShown_ = shown;
    untagged_ = TagState::Unselected;
    update();
}

void TagListControl::LoadColours() {
    colours_.Load(SettingsSchemeSource{});
    update();
}

void TagListControl::SetBGColour(SchemeColour c) {
    colours_.SetBGColour(c);
    update();
}

const TagListControl::ShownName& TagListControl::Shown(int index, std::size_t bucket) const {
    const std::string& name = table_.Entry(index).name;
    auto found = shownNames_.find(name);
    if (found == shownNames_.end()) {
        ShownName shown{FromFileName(name), {}};
        shown.advance.fill(-1);
        found = shownNames_.emplace(name, std::move(shown)).first;
    }
    int& advance = found->second.advance[bucket];
    if (advance < 0) advance = metrics_[bucket].horizontalAdvance(found->second.text);
    return found->second;
}

std::vector<TextExtent> TagListControl::MeasureTags() const {
    std::vector<TextExtent> extents;
    extents.reserve(static_cast<std::size_t>(table_.Count()));
    // The named cell height, not the mapped face's own: the face has not every height, and the cloud's
    // lines are laid out for these.
    for (int i = 0; i < table_.Count(); ++i) {
        const std::size_t bucket = static_cast<std::size_t>(table_.FontBucket(i));
        extents.push_back({Shown(i, bucket).advance[bucket], kTagFontHeights[bucket]});
    }
    if (untaggedShown_)
        extents.push_back({metrics_[0].horizontalAdvance(UntaggedText()), kTagFontHeights[0]});
    return extents;
}

TagCloudLayout TagListControl::Layout() const { return LayoutTagCloud(MeasureTags(), width()); }

int TagListControl::ScrollOffset() const {
    return ClampCloudScroll(scroll_, Layout().contentHeight, height());
}

int TagListControl::HitTest(QPoint at) const {
    const TagCloudLayout layout = Layout();
    const int offset = ClampCloudScroll(scroll_, layout.contentHeight, height());
    return layout.HitTest(at.x(), at.y() + offset);
}

void TagListControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), SchemeQColor(colours_.bgColour));
    const std::vector<TextExtent> extents = MeasureTags();
    const TagCloudLayout layout = LayoutTagCloud(extents, width());
    scroll_ = ClampCloudScroll(scroll_, layout.contentHeight, height());
    for (int i = 0; i < static_cast<int>(extents.size()); ++i) {
        const TagPlacement& tag = layout.tags[static_cast<std::size_t>(i)];
        const TextExtent& extent = extents[static_cast<std::size_t>(i)];
        const int top = tag.text.y - scroll_;
        if (top + extent.height <= 0 || top >= height()) continue;
        const bool isTag = i < table_.Count();
        const std::size_t bucket = isTag ? static_cast<std::size_t>(table_.FontBucket(i)) : 0;
        const TagCloudColours::Pair pair = colours_.ForState(isTag ? table_.Entry(i).state : untagged_);
        // An opaque background exactly behind the text.
        painter.fillRect(tag.text.x, top, extent.width, extent.height, SchemeQColor(pair.background));
        painter.setFont(fonts_[bucket]);
        painter.setPen(SchemeQColor(pair.text));
        const QFontMetrics& m = metrics_[bucket];
        painter.drawText(tag.text.x, top + (extent.height - m.height()) / 2 + m.ascent(),
                         isTag ? Shown(i, bucket).text : UntaggedText());
    }
    if (layout.contentHeight > height() && height() > 0) {
        const int length = std::max(kIndicatorWidth, height() * height() / layout.contentHeight);
        const int top = (height() - length) * scroll_ / (layout.contentHeight - height());
        QColor mark = SchemeQColor(colours_.textColour);
        mark.setAlpha(kIndicatorAlpha);
        painter.fillRect(width() - kIndicatorWidth, top, kIndicatorWidth, length, mark);
    }
}

void TagListControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    setFocus(Qt::MouseFocusReason);
    const int hit = HitTest(event->position().toPoint());
    lastHit_ = hit;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    // Shift does what Alt does: many desktops take Alt+drag for moving the window.
    const bool alt = event->modifiers() & (Qt::AltModifier | Qt::ShiftModifier);
    if (PressTagCloud(table_, hit, ctrl, alt, untaggedShown_ ? &untagged_ : nullptr)) update();
}

void TagListControl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    update();
    emit clicked();
}

// Double clicks do nothing: the second press changes no state; its release still reports a click.
void TagListControl::mouseDoubleClickEvent(QMouseEvent*) {}

void TagListControl::wheelEvent(QWheelEvent* event) {
    wheelRemainder_ += event->angleDelta().y();
    const int notches = wheelRemainder_ / kWheelNotch;
    wheelRemainder_ -= notches * kWheelNotch;
    const int offset = ScrollOffset();
    const int scrolled =
        ClampCloudScroll(offset - notches * kTagLineHeight, Layout().contentHeight, height());
    if (scrolled != offset) {
        scroll_ = scrolled;
        update();
    }
    event->accept();
}

}  // namespace motivra
