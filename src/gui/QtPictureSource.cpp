#include "gui/QtPictureSource.h"

#include <QDir>
#include <QFileInfo>

#include "gui/PanelArtist.h"

namespace velmora::gui {

namespace {

QImage loadSkin(const QString& dir, int32_t id) {
    if (dir.isEmpty()) return {};
    for (const char* ext : {"png", "bmp", "PNG", "BMP"}) {
        const QString path = QDir(dir).filePath(QString("%1.%2").arg(id).arg(ext));
        if (QFileInfo::exists(path)) {
            QImage img(path);
            if (!img.isNull()) return img;
        }
    }
    return {};
}

}  // namespace

QImage QtPictureSource::applyMask(const QImage& picture) {
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((line[x] & 0x00FFFFFFu) == 0x0000FF00u) line[x] = 0;
        }
    }
    return out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage QtPictureSource::makePicture(const QString& skinDir, const PictureUse& use, bool* fromSkin) {
    QImage img = loadSkin(skinDir, use.id);
    if (fromSkin) *fromSkin = !img.isNull();
    if (img.isNull()) img = drawBuiltInPicture(use);
    return img.isNull() ? img : applyMask(img);
}

QtPictureSource::QtPictureSource(const QString& skinDir) {
    for (const PictureUse& use : panelPictureUses()) {
        bool skin = false;
        QImage img = makePicture(skinDir, use, &skin);
        fromSkin_ += skin;
        if (!img.isNull()) images_[use.id] = std::move(img);
    }
}

std::optional<PictureSize> QtPictureSource::picture(int32_t id) const {
    const QImage* img = image(id);
    if (!img) return std::nullopt;
    return PictureSize{img->width(), img->height()};
}

const QImage* QtPictureSource::image(int32_t id) const {
    const auto it = images_.find(id);
    return it == images_.end() ? nullptr : &it->second;
}

}  // namespace velmora::gui
