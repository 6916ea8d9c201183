#include "exporter/layer_picture.h"

#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QPainter>
#include <QString>

#include "exporter/export_job.h"

namespace motivra {

QImage LayerPicture(const std::string& path, const std::string& cardText) {
    if (path.empty()) {
        QImage card(cardText.empty() ? 120 : 240, cardText.empty() ? 90 : 180, QImage::Format_RGBA8888);
        card.fill(QColor(60, 60, 60));
        QPainter painter(&card);
        const int edge = card.width() / 30;
        painter.fillRect(card.rect().adjusted(edge, edge, -edge, -edge), QColor(235, 235, 228));
        if (!cardText.empty()) {
            QFont font = painter.font();
            font.setPixelSize(card.height() / 7);
            painter.setFont(font);
            painter.setPen(QColor(30, 30, 30));
            painter.drawText(card.rect().adjusted(3 * edge, 3 * edge, -3 * edge, -3 * edge),
                             Qt::AlignCenter | Qt::TextWordWrap, QString::fromLatin1(cardText.c_str()));
        }
        return card;
    }
    const QString name = QFile::decodeName(path.c_str());
    if (!QFileInfo(name).isFile()) throw ExportError(UiText("Export", "%1: no such picture file").Arg(path));
    QImage picture(name);
    if (picture.isNull())
        throw ExportError(
            UiText("Export", "%1: not a picture Motivra can read (PNG, JPEG, BMP, GIF)").Arg(path));
    return picture.convertToFormat(QImage::Format_RGBA8888);
}

}  // namespace motivra
