#pragma once

#include <QFont>
#include <QLabel>
#include <QString>

#include "core/skin/control_colours.h"
#include "gui/skin/file_image.h"

namespace motivra {

// The title strip at the top of a dialog: a band fading to the right under the caption, and at the left an
// image from a resource or a file or one of three built-in vector icons. Disabled, it is veiled in the
// background colour. The caption defaults to the window text (text()).
class SkinHeader : public QLabel {
    Q_OBJECT

public:
    // What the icon area shows.
    enum IconKind {
        kNoIcon = 0,
        kFileIcon = 1,
        kResourceIcon = 2,
        kPagesIcon = 3,
        kColourPagesIcon = 4,
        kStrokesIcon = 5
    };

    explicit SkinHeader(QWidget* parent = nullptr);

    void SetCaption(const QString& caption) { caption_ = caption; }
    // A "PNG" resource; on failure no icon, and a message box says so.
    void SetImageFromResource(int id);
    // An image file; a path equal to the current one is ignored; on failure no icon, silently.
    void SetImageFromFile(const QString& path);
    void SetIconKind(int kind) { iconKind_ = kind; }
    int GetIconKind() const { return iconKind_; }
    void HideCaption() { showCaption_ = false; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    const TitleColours& Colours() const { return colours_; }
    void LoadColours();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int DrawIcon(QPainter& painter);

    QString caption_;
    QString imagePath_;
    FileImage fileImage_;
    ResourceImage resourceImage_;
    int iconKind_ = kNoIcon;
    TitleColours colours_;
    bool showCaption_ = true;
    bool enabled_ = true;
    QFont captionFont_;
};

}  // namespace motivra
