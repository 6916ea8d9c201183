#include "gui/editor/editor_resources.h"

#include <QString>

#include "gui/skin/file_image.h"

static void RegisterEditorResources() { Q_INIT_RESOURCE(editor); }

namespace motivra {

void UseEditorResources() {
    static const bool registered = (RegisterEditorResources(), true);
    (void)registered;
}

QIcon ProgramIcon() {
    UseEditorResources();
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/ICON/131/%1").arg(size));
    return icon;
}

QPixmap EditorBitmap(int id, qreal devicePixelRatio) {
    UseEditorResources();
    const QString name = QStringLiteral(":/BITMAP/%1").arg(id);
    if (devicePixelRatio > 1) {
        const QPixmap sharp(DoubleSizeName(name));
        if (!sharp.isNull()) return sharp;
    }
    return QPixmap(name);
}

}  // namespace motivra
