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
    void Empty() { image_ = QImage(); }
    const QImage& Image() const { return image_; }
    void Draw(QPainter& painter, int x, int y) const;

protected:
    bool LoadFrom(const QString& path);

private:
    QImage image_;
};

// An image compiled into the program: resource `id` of `type` is the Qt resource ":/<type>/<id>" (the
// header picture 145 is ":/PNG/145").
class ResourceImage : public FileImage {
public:
    bool Load(int id, const QString& type = QStringLiteral("PNG"));
};

}  // namespace motivra
