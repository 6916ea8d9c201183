#pragma once

#include <QImage>
#include <QPainter>
#include <QString>

namespace motivra {

// An image loaded from a file and drawn at its natural size.
class FileImage {
public:
    // Replaces the held image; false (and empty) when the file is missing or not an image Qt can read.
    bool LoadFromFile(const QString& path);
    int GetWidth() const { return image_.width(); }
    int GetHeight() const { return image_.height(); }
    bool IsEmpty() const { return image_.isNull(); }
    void Empty();
    const QImage& Image() const { return image_; }
    // At the image's own size; on a device of more than one pixel per logical pixel the double-size picture,
    // where there is one, at that same logical size.
    void Draw(QPainter& painter, int x, int y) const;

protected:
    bool LoadFrom(const QString& path);
    // The double-size picture of the image just loaded; none when the file is missing.
    void LoadDoubleSizeFrom(const QString& path);

private:
    QImage image_;
    QImage doubleSize_;  // device pixel ratio 2; null when there is none
};

// An image compiled into the program: resource `id` of `type` is the Qt resource ":/<type>/<id>" (the
// header picture 145 is ":/PNG/145"), with its double-size picture ":/<type>/<id>@2x" where there is one.
class ResourceImage : public FileImage {
public:
    bool Load(int id, const QString& type = QStringLiteral("PNG"));
};

// Pictures drawn for 200 % screens: resource NAME has NAME@2x at twice the size, which Qt's readers give
// device pixel ratio 2 by that name, so it is painted at NAME's logical size.
QString DoubleSizeName(const QString& name);

// Whether the painter draws onto more than one device pixel per logical pixel, where a double-size picture
// stays sharp and a 1x one would be blown up.
bool WantsDoubleSize(const QPainter& painter);

}  // namespace motivra
