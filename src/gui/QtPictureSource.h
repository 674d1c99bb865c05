#pragma once
// The panel's pictures for the Qt window: from a skin folder (files named by id, PNG or BMP) when
// one is given and holds the picture, else drawn by the built-in artist. Every picture is made
// once, at construction, with its mask (pixels of exactly RGB(0, 255, 0) become transparent);
// afterwards pictures are only looked up.
#include <QImage>
#include <QString>
#include <map>

#include "panel/display/PictureCatalogue.h"
#include "panel/display/PictureSource.h"

namespace velmora::gui {

class QtPictureSource : public PictureSource {
  public:
    // skinDir empty: every picture is drawn by the artist.
    explicit QtPictureSource(const QString& skinDir = {});

    std::optional<PictureSize> picture(int32_t id) const override;
    // The picture with its mask applied (alpha 0 where the transparent colour was), or null.
    const QImage* image(int32_t id) const;
    int fromSkin() const { return fromSkin_; }

    // Makes transparent every pixel of exactly the transparent colour.
    static QImage applyMask(const QImage& picture);
    // One picture, masked, as the source would hold it: for the splash, which shows before the
    // rest are made. fromSkin (optional) tells where it came from.
    static QImage makePicture(const QString& skinDir, const PictureUse& use,
                              bool* fromSkin = nullptr);

  private:
    std::map<int32_t, QImage> images_;
    int fromSkin_ = 0;
};

}  // namespace velmora::gui
