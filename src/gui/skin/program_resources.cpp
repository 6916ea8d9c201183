#include "gui/skin/program_resources.h"

#include <QString>

#include "gui/skin/file_image.h"

static void RegisterEditorResources() { Q_INIT_RESOURCE(editor); }

namespace motivra {

void UseProgramResources() {
    static const bool registered = (RegisterEditorResources(), true);
    (void)registered;
}

QIcon ProgramIcon() {
    UseProgramResources();
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/ICON/131/%1").arg(size));
    return icon;
}

QPixmap ResourceBitmap(int id, qreal devicePixelRatio) {
    UseProgramResources();
    const QString name = QStringLiteral(":/BITMAP/%1").arg(id);
    if (devicePixelRatio > 1) {
        const QPixmap sharp(DoubleSizeName(name));
        if (!sharp.isNull()) return sharp;
    }
    return QPixmap(name);
}

}  // namespace motivra
