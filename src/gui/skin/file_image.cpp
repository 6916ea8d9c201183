#include "gui/skin/file_image.h"

#include <utility>

// The skin's images live in a static library, whose resource registration the linker would drop unless it is
// asked for by name.
static void RegisterSkinResources() { Q_INIT_RESOURCE(skin); }

namespace motivra {

bool FileImage::LoadFromFile(const QString& path) { return LoadFrom(path); }

void FileImage::Empty() {
    image_ = QImage();
    doubleSize_ = QImage();
}

bool FileImage::LoadFrom(const QString& path) {
    Empty();
    if (path.isEmpty()) return false;
    QImage loaded;
    if (!loaded.load(path)) return false;
    image_ = std::move(loaded);
    return true;
}

void FileImage::LoadDoubleSizeFrom(const QString& path) {
    doubleSize_.load(path);  // null when it is missing
}

void FileImage::Draw(QPainter& painter, int x, int y) const {
    const bool sharp = !doubleSize_.isNull() && WantsDoubleSize(painter);
    if (!image_.isNull()) painter.drawImage(x, y, sharp ? doubleSize_ : image_);
}

bool ResourceImage::Load(int id, const QString& type) {
    static const bool registered = (RegisterSkinResources(), true);
    (void)registered;
    const QString name = QStringLiteral(":/%1/%2").arg(type).arg(id);
    if (!LoadFrom(name)) return false;
    LoadDoubleSizeFrom(DoubleSizeName(name));
    return true;
}

QString DoubleSizeName(const QString& name) { return name + QStringLiteral("@2x"); }

bool WantsDoubleSize(const QPainter& painter) {
    return painter.device() != nullptr && painter.device()->devicePixelRatioF() > 1;
}

}  // namespace motivra
