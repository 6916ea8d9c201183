#include "gui/skin/skin_font.h"

#include <QFontMetrics>
#include <QStringList>

namespace motivra {

namespace {

QFont BaseFont(FontFace face) {
    QFont font;
    switch (face) {
        case FontFace::MsSansSerif:
        case FontFace::MsShellDlg:
            font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
            break;
        case FontFace::Verdana:
            font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
            break;
    }
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace

QFont SkinFont(FontFace face, int height, int weight) {
    QFont font = BaseFont(face);
    font.setWeight(weight >= 700 ? QFont::Bold : QFont::Normal);
    if (height < 0) {
        font.setPixelSize(-height);
        return font;
    }
    // The largest character size whose cell still fits the asked height.
    int size = height > 0 ? height : 13;
    font.setPixelSize(size);
    while (size > 1 && QFontMetrics(font).height() > height) font.setPixelSize(--size);
    return font;
}

QFont SkinFontPoints(FontFace face, double points, bool bold) {
    QFont font = BaseFont(face);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setPixelSize(qMax(1, qRound(points * 96.0 / 72.0)));
    return font;
}

}  // namespace motivra
