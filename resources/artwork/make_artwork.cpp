// motivra-artwork OUTDIR: draws the editor's pictures into OUTDIR (the resources folder):
//   editor/banner_130.png        872 x 51, the banner across the top of the dialogs
//   editor/icon_131_<n>.png      the program icon at 16, 24, 32, 48, 64, 128 and 256 pixels
//   skin/header_145.png          29 x 26, the picture of the dialog headers
//   editor/welcome_134.png       400 x 346, the welcome window's picture when no help page can be found
// and the banner, icons and header again as NAME@2x.png, drawn at twice the size for 200 % screens, with
// engine/timeline_markers_129@2x.png, the double size of the timeline's hand-made marker bitmap.
// Every picture is one motif in the default scheme's colours: a layer's start pose outlined, its end pose
// filled in the selection orange, and the path between them, which is what a behaviour is.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <cmath>
#include <cstdio>

namespace {

const QColor kOrange(240, 120, 0);  // SelectedColour
const QColor kDialog(50, 50, 50);   // DlgColour
const QColor kGroup(70, 70, 70);    // BGColour
const QColor kText(222, 222, 222);
const QColor kQuiet(150, 150, 150);

// A square of side `side` centred on `centre`, turned by `degrees`.
QPolygonF Pose(QPointF centre, double side, double degrees) {
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(degrees);
    const double h = side / 2;
    return t.map(QPolygonF({QPointF(-h, -h), QPointF(h, -h), QPointF(h, h), QPointF(-h, h)}));
}

// The motif in a square box: the start pose outlined at the lower left, the end pose filled at the upper
// right and, when there is room, the pose halfway between them. `stroke` is the line width at this size.
void DrawMotif(QPainter& p, const QRectF& box, double stroke, bool withPath) {
    const double s = box.width();
    const QPointF start(box.left() + s * 0.29, box.top() + s * 0.71);
    const QPointF end(box.left() + s * 0.66, box.top() + s * 0.35);
    const QPolygonF from = Pose(start, s * 0.36, 0);
    const QPolygonF to = Pose(end, s * 0.44, 20);
    if (withPath) {
        // The pose halfway through, as a faint outline.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(240, 120, 0, 120), stroke * 0.8, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawPolygon(Pose((start + end) / 2, s * 0.40, 10));
    }
    p.setBrush(QColor(255, 255, 255, 28));
    p.setPen(QPen(QColor(205, 205, 205), stroke, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPolygon(from);
    QLinearGradient fill(to.boundingRect().topLeft(), to.boundingRect().bottomRight());
    fill.setColorAt(0, kOrange.lighter(125));
    fill.setColorAt(1, kOrange.darker(115));
    p.setPen(QPen(kOrange.darker(160), stroke * 0.6));
    p.setBrush(fill);
    p.drawPolygon(to);
}

// A picture of w x h logical pixels drawn at `scale` device pixels each: painters on it work in logical
// pixels, so every shape is drawn afresh at the finer resolution rather than enlarged.
QImage Surface(int w, int h, int scale) {
    QImage image(w * scale, h * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    return image;
}

QImage Canvas(int w, int h, int scale) {
    QImage image = Surface(w, h, scale);
    image.fill(Qt::transparent);
    return image;
}

QImage Icon(int size, int scale) {
    QImage image = Canvas(size, size, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double r = size * 0.2;
    const QRectF tile = QRectF(0, 0, size, size).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient bg(0, 0, 0, size);
    bg.setColorAt(0, QColor(78, 78, 78));
    bg.setColorAt(1, QColor(38, 38, 38));
    p.setPen(QPen(QColor(20, 20, 20), size >= 32 ? 1.0 : 0.6));
    p.setBrush(bg);
    p.drawRoundedRect(tile, r, r);
    const double inset = size * 0.12;
    DrawMotif(p, tile.adjusted(inset, inset, -inset, -inset), std::max(1.0, size / 22.0), size >= 32);
    return image;
}

QImage Header(int scale) {
    QImage image = Canvas(29, 26, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawMotif(p, QRectF(2, 0, 26, 26), 1.2, false);
    return image;
}

QImage Banner(int scale) {
    const int w = 872, h = 51;
    QImage image = Surface(w, h, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, 0, h);
    bg.setColorAt(0, kGroup);
    bg.setColorAt(1, kDialog.darker(115));
    p.fillRect(QRect(0, 0, w, h), bg);
    // A soft glow behind the motif.
    QRadialGradient glow(QPointF(34, 25), 60);
    glow.setColorAt(0, QColor(240, 120, 0, 40));
    glow.setColorAt(1, QColor(240, 120, 0, 0));
    p.fillRect(QRect(0, 0, 120, h), glow);
    DrawMotif(p, QRectF(12, 4, 43, 43), 1.6, true);

    QFont title(QStringLiteral("Liberation Sans"));
    title.setPixelSize(25);
    title.setBold(true);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 0.5);
    p.setFont(title);
    p.setPen(kText);
    p.drawText(QPointF(66, 31), QStringLiteral("Motivra"));
    QFont tag(QStringLiteral("Liberation Sans"));
    tag.setPixelSize(11);
    tag.setLetterSpacing(QFont::AbsoluteSpacing, 1.4);
    p.setFont(tag);
    p.setPen(kQuiet);
    p.drawText(QPointF(67, 44), QStringLiteral("BEHAVIOUR EDITOR"));

    // On the right, one layer moving through a behaviour: poses along an eased path, turning and growing,
    // fading in from the background towards the orange of its last pose.
    const int poses = 9;
    for (int i = 0; i < poses; ++i) {
        const double u = static_cast<double>(i) / (poses - 1);
        const double eased = (1 - std::cos(M_PI * u)) / 2;
        const QPointF centre(560 + 270 * eased, 27 - 9 * std::sin(M_PI * u));
        const double side = 16 + 10 * eased;
        const QPolygonF pose = Pose(centre, side, -25 + 60 * eased);
        const bool last = i == poses - 1;
        QColor line = last ? kOrange : QColor(190, 190, 190, 30 + 110 * u);
        p.setPen(QPen(line, 1.3));
        p.setBrush(last ? QBrush(QColor(240, 120, 0, 90)) : QBrush(Qt::NoBrush));
        p.drawPolygon(pose);
    }
    // A hairline of the selection colour under the banner, fading out to both sides.
    QLinearGradient rule(0, 0, w, 0);
    rule.setColorAt(0, QColor(240, 120, 0, 0));
    rule.setColorAt(0.15, QColor(240, 120, 0, 150));
    rule.setColorAt(0.85, QColor(240, 120, 0, 150));
    rule.setColorAt(1, QColor(240, 120, 0, 0));
    p.fillRect(QRect(0, h - 1, w, 1), rule);
    return image.convertToFormat(QImage::Format_RGB32);
}

// The timeline's two markers side by side, 13 x 15 each: a tab pointing down at the time line, outlined
// in a dark edge, its top two rows lighter; blue at rest, red while dragged. The 1x strip is a hand-made
// bitmap (engine/timeline_markers_129.bmp, magenta where transparent); these are its shapes, the outline
// running through the centres of its edge pixels, so at twice the size the slanted edges come out smooth.
QImage Markers(int scale) {
    struct Tones {
        QColor edge, light, fill;
    };
    const Tones tones[] = {{QColor(10, 30, 90), QColor(140, 190, 255), QColor(40, 110, 230)},
                           {QColor(90, 10, 10), QColor(255, 150, 140), QColor(220, 40, 40)}};
    const QPolygonF tab(
        {QPointF(1.5, 0.5), QPointF(11.5, 0.5), QPointF(11.5, 9.5), QPointF(6.5, 14.5), QPointF(1.5, 9.5)});
    QImage image = Canvas(26, 15, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (const Tones& tone : tones) {
        p.setPen(Qt::NoPen);
        p.setBrush(tone.fill);
        p.drawPolygon(tab);
        p.fillRect(QRectF(2, 1, 9, 2), tone.light);
        p.setPen(QPen(tone.edge, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(tab);
        p.translate(13, 0);
    }
    return image;
}

// A leaf of length `length` pointing along +y before `t` places it: two curved edges and a midrib.
void DrawLeaf(QPainter& p, const QTransform& t, double length, const QColor& colour) {
    const double h = length / 2;
    QPainterPath leaf(QPointF(0, -h));
    leaf.cubicTo(QPointF(h * 0.75, -h * 0.45), QPointF(h * 0.55, h * 0.55), QPointF(0, h));
    leaf.cubicTo(QPointF(-h * 0.55, h * 0.55), QPointF(-h * 0.75, -h * 0.45), QPointF(0, -h));
    p.save();
    p.setTransform(t, true);
    QLinearGradient fill(QPointF(-h / 2, -h), QPointF(h / 2, h));
    fill.setColorAt(0, colour.lighter(120));
    fill.setColorAt(1, colour.darker(125));
    p.setPen(QPen(colour.darker(170), 1.0));
    p.setBrush(fill);
    p.drawPath(leaf);
    p.setPen(QPen(colour.darker(150), 1.0));
    p.drawLine(QPointF(0, -h * 0.8), QPointF(0, h * 1.25));
    p.restore();
}

// The welcome window's fallback: its help page lies buried under leaves that nobody has swept up. Leaves
// take the default scheme's orange and its autumn neighbours; their places come from a fixed sequence, so
// the picture is the same every time it is drawn.
QImage WelcomePicture() {
    const int w = 400, h = 346;
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(image.rect(), kGroup);
    QRadialGradient glow(QPointF(w / 2.0, h / 2.0), w * 0.55);
    glow.setColorAt(0, QColor(240, 120, 0, 36));
    glow.setColorAt(1, QColor(240, 120, 0, 0));
    p.fillRect(image.rect(), glow);

    // The page, tilted, with the layer motif at its head and lines of text under it.
    p.save();
    p.translate(w / 2.0, h / 2.0 - 6);
    p.rotate(-7);
    const QRectF sheet(-105, -132, 210, 264);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(sheet.translated(5, 6), 6, 6);
    p.setBrush(QColor(236, 232, 224));
    p.setPen(QPen(QColor(150, 146, 140), 1.0));
    p.drawRoundedRect(sheet, 6, 6);
    QRectF motif(sheet.left() + 18, sheet.top() + 16, 46, 46);
    p.setBrush(kDialog);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(motif.adjusted(-4, -4, 4, 4), 6, 6);
    DrawMotif(p, motif, 1.5, true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 90, 96));
    p.drawRoundedRect(QRectF(sheet.left() + 78, sheet.top() + 24, 108, 11), 3, 3);
    p.setBrush(QColor(160, 158, 154));
    p.drawRoundedRect(QRectF(sheet.left() + 78, sheet.top() + 44, 80, 7), 3, 3);
    for (int line = 0; line < 11; ++line) {
        const double width = line % 4 == 3 ? 96 : 172 - 9 * (line % 3);
        p.drawRoundedRect(QRectF(sheet.left() + 18, sheet.top() + 84 + line * 15, width, 6), 3, 3);
    }
    p.restore();

    // The leaves: a fixed linear congruential sequence places them, denser towards the bottom.
    const QColor tones[] = {kOrange, QColor(214, 88, 24), QColor(186, 60, 30), QColor(226, 160, 40),
                            QColor(150, 92, 40)};
    unsigned seed = 134;
    const auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return static_cast<double>((seed >> 8) & 0xFFFF) / 65535.0;
    };
    for (int i = 0; i < 46; ++i) {
        const double x = 10 + next() * (w - 20);
        const double y = h * (0.18 + 0.82 * std::sqrt(next()));
        QTransform t;
        t.translate(x, y);
        t.rotate(next() * 360);
        t.scale(1.0, 0.55 + next() * 0.45);  // leaves lying at an angle look narrower
        DrawLeaf(p, t, 26 + next() * 22, tones[i % 5]);
    }
    // One leaf still on its way down, high up and apart.
    QTransform falling;
    falling.translate(w * 0.8, h * 0.1);
    falling.rotate(35);
    DrawLeaf(p, falling, 30, kOrange);
    return image.convertToFormat(QImage::Format_RGB32);
}

bool Save(const QImage& image, const QString& path) {
    if (image.save(path)) return true;
    std::fprintf(stderr, "motivra-artwork: cannot write %s\n", qPrintable(path));
    return false;
}

// NAME.png at scale 1, NAME@2x.png at scale 2: the names under which Qt's readers find each one.
QString Named(const QString& name, int scale) {
    return name + (scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale)) + QStringLiteral(".png");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: motivra-artwork RESOURCES_FOLDER\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    for (const int scale : {1, 2}) {
        ok = Save(Banner(scale), out.filePath(Named(QStringLiteral("editor/banner_130"), scale))) && ok;
        for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
            const QString name = QStringLiteral("editor/icon_131_%1").arg(size);
            ok = Save(Icon(size, scale), out.filePath(Named(name, scale))) && ok;
        }
        ok = Save(Header(scale), out.filePath(Named(QStringLiteral("skin/header_145"), scale))) && ok;
    }
    ok = Save(Markers(2), out.filePath(Named(QStringLiteral("engine/timeline_markers_129"), 2))) && ok;
    ok = Save(WelcomePicture(), out.filePath(QStringLiteral("editor/welcome_134.png"))) && ok;
    return ok ? 0 : 1;
}
