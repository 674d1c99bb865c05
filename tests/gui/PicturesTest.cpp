#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "gui/QtCanvas.h"
#include "gui/QtPictureSource.h"
#include "panel/display/DrawSprite.h"
#include "panel/display/PanelPictures.h"
#include "panel/display/PictureCatalogue.h"

namespace velmora::gui {
namespace {

class PicturesTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "test_gui";
        static char* argv[] = {name, nullptr};
        if (!QGuiApplication::instance()) app_ = new QApplication(argc, argv);
        builtIn_ = new QtPictureSource();
    }
    static QtPictureSource& builtIn() { return *builtIn_; }
    static QImage region(const QtCanvas& c, PanelRect r) {
        return c.backBuffer().copy(r.x, r.y, r.width, r.height);
    }

    static inline QGuiApplication* app_ = nullptr;
    static inline QtPictureSource* builtIn_ = nullptr;
};

TEST_F(PicturesTest, EveryPictureIsDrawnAtItsStatedSize) {
    for (const PictureUse& use : panelPictureUses()) {
        EXPECT_EQ(builtIn().picture(use.id), use.size) << "picture " << use.id;
    }
}

TEST_F(PicturesTest, OnlyExactGreenShowsTheBackground) {
    QTemporaryDir skin;
    ASSERT_TRUE(skin.isValid());
    QImage lamp(13, 13, QImage::Format_RGB32);
    lamp.fill(QColor(200, 40, 40));
    lamp.setPixel(0, 0, qRgb(0, 255, 0));
    lamp.setPixel(1, 0, qRgb(0, 254, 0));
    ASSERT_TRUE(lamp.save(QDir(skin.path()).filePath("946.png")));
    const QtPictureSource source(skin.path());
    EXPECT_EQ(source.fromSkin(), 1);
    PanelPictures pictures;
    LoadPanelBitmaps(pictures, source);
    QtCanvas canvas(source);
    canvas.drawBackground();
    const QRgb under = canvas.backBuffer().pixel(785, 226);
    drawElement(canvas, pictures, PanelElement::DnrLampA, 0);
    EXPECT_EQ(canvas.backBuffer().pixel(785, 226), under);
    EXPECT_EQ(canvas.backBuffer().pixel(786, 226), qRgb(0, 254, 0));
    EXPECT_EQ(canvas.backBuffer().pixel(787, 226), qRgb(200, 40, 40));
}

TEST_F(PicturesTest, LampStatesCoverTheSameRectangleAndLookDifferent) {
    PanelPictures pictures;
    LoadPanelBitmaps(pictures, builtIn());
    QtCanvas fresh(builtIn()), redrawn(builtIn());
    fresh.drawBackground();
    redrawn.drawBackground();
    const PanelRect lamp = pictures.group(PanelElement::DialRxLamp)[0].rect();
    drawElement(fresh, pictures, PanelElement::DialRxLamp, 0);
    drawElement(redrawn, pictures, PanelElement::DialRxLamp, 2);
    const QImage lit = region(redrawn, lamp);
    drawElement(redrawn, pictures, PanelElement::DialRxLamp, 0);
    EXPECT_NE(lit, region(fresh, lamp));
    EXPECT_EQ(redrawn.backBuffer(), fresh.backBuffer());
}

}  // namespace
}  // namespace velmora::gui
