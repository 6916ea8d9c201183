#include "gui/skin/file_image.h"

#include <utility>

// The skin's images live in a static library, whose resource registration the linker would drop unless it is
// asked for by name.
static void RegisterSkinResources() { Q_INIT_RESOURCE(skin); }

namespace motivra {

bool FileImage::LoadFromFile(const QString& path) { return LoadFrom(path); }

bool FileImage::LoadFrom(const QString& path) {
    image_ = QImage();
    if (path.isEmpty()) return false;
    QImage loaded;
    if (!loaded.load(path)) return false;
    image_ = std::move(loaded);
    return true;
}

void FileImage::Draw(QPainter& painter, int x, int y) const {
    if (!image_.isNull()) painter.drawImage(x, y, image_);
}

bool ResourceImage::Load(int id, const QString& type) {
    static const bool registered = (RegisterSkinResources(), true);
    (void)registered;
    return LoadFrom(QStringLiteral(":/%1/%2").arg(type).arg(id));
}

}  // namespace motivra
