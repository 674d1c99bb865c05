#include <map>

#include "panel/display/DisplayFixture.h"
#include "panel/display/DrawKnob.h"
#include "panel/display/DrawSprite.h"
#include "panel/display/LabelRegion.h"
#include "panel/display/PanelLayout.h"
#include "panel/display/PictureCatalogue.h"

namespace velmora::test {
namespace {

std::vector<const LayoutRow*> allRows() {
    std::vector<const LayoutRow*> rows;
    for (const auto* t : {&elementLayoutTable(), &glyphLayoutTable()}) {
        for (const LayoutRow& r : *t) rows.push_back(&r);
    }
    return rows;
}

TEST(PanelLayoutTable, EveryPlaceLiesInsideThePanel) {
    for (const LayoutRow* row : allRows()) {
        for (const SpriteLayout& l : row->layouts) {
            EXPECT_TRUE(l.x >= 0 && l.y >= 0 && l.width > 0 && l.height > 0 &&
                        l.x + l.width <= 1024 && l.y + l.height <= 322)
                << "element " << static_cast<int>(row->element) << " at " << l.x << "," << l.y;
        }
    }
}

TEST(PanelLayoutTable, PairedGroupsHaveBothLightingsOfEveryPart) {
    for (const LayoutRow* row : allRows()) {
        if (row->form != LayoutForm::Paired) continue;
        const size_t places = row->layouts.size(), ids = row->ids.size();
        EXPECT_TRUE(places == 1 || places == ids || ids == 2 * places)
            << "element " << static_cast<int>(row->element);
    }
}

// A picture drawn at two sizes is cut or stretched; only the shared small key pictures are.
TEST(PanelLayoutTable, APictureHasOneSizeExceptTheSharedKeyCaps) {
    std::map<int32_t, std::pair<int, int>> sizes;
    for (const LayoutRow* row : allRows()) {
        for (size_t k = 0; k < row->ids.size(); ++k) {
            const SpriteLayout& l = row->form == LayoutForm::Crossed
                                        ? row->layouts[0]
                                        : row->layouts[k % row->layouts.size()];
            const auto [it, fresh] = sizes.emplace(row->ids[k], std::make_pair(l.width, l.height));
            const bool sharedCap = row->ids[k] == 555 || row->ids[k] == 556 || row->ids[k] == 551 ||
                                   row->ids[k] == 552 || row->ids[k] == 553 || row->ids[k] == 681;
            if (!fresh && !sharedCap) {
                EXPECT_EQ(it->second, std::make_pair(l.width, l.height))
                    << "picture " << row->ids[k];
            }
        }
    }
}

TEST_F(DisplayFixture, MissingPicturesAndReservedGroupsDrawNothing) {
    source.missing = 346;  // LOCK unlit
    LoadPanelBitmaps(pictures, source);
    canvas.clear();
    drawElement(canvas, pictures, PanelElement::LockA, 0);
    drawElement(canvas, pictures, reservedGroup(3), 0);
    drawElement(canvas, pictures, PanelElement::LockA, 7);
    EXPECT_TRUE(canvas.pictures.empty());
    drawElement(canvas, pictures, PanelElement::LockA, 1);
    EXPECT_EQ(canvas.pictures.size(), 1u);
}

TEST(DrawKnobTest, DimpleUsesTruncationAndTheShortPi) {
    // sin 90 degrees with pi as 3.141592 stays just below 1: the offset truncates to 14, not 15.
    EXPECT_EQ(dimplePosition(706, 261, 15, 90), (PanelPoint{720, 261}));
    EXPECT_EQ(dimplePosition(491, 193, 34, 0), (PanelPoint{491, 159}));
    EXPECT_EQ(dimplePosition(491, 193, 34, 180), (PanelPoint{491, 226}));
}

TEST(DrawKnobTest, AtRestTheClarKnobHasNoDimpleButTheDialAlways) {
    RecordingCanvas c;
    DrawKnob(c, Knob::Clar, kKnobAtRest);
    ASSERT_EQ(c.pictures.size(), 1u);
    EXPECT_EQ(c.pictures[0].picture, 467);
    c.clear();
    DrawKnob(c, Knob::Clar, 0);
    EXPECT_EQ(c.pictures.size(), 2u);  // turned: the dimple too
    c.clear();
    DrawKnob(c, Knob::ClarLarge, 0);
    ASSERT_EQ(c.pictures.size(), 2u);
    EXPECT_EQ(c.pictures[0].dest, (PanelRect{677, 231, 78, 78}));
    EXPECT_EQ(c.pictures[1].dest, (PanelRect{706, 246, 20, 20}));
    c.clear();
    DrawKnob(c, Knob::MainDial, kKnobAtRest);
    EXPECT_EQ(c.pictures.size(), 2u);
}

// Without a source size a sprite copies its place's size from the picture's corner, 1:1; a picture
// smaller than its place is stretched whole; a given source size is kept.
TEST(DrawSpriteTest, SourceIsThePlaceCutFromThePictureOrTheWholeSmallerPicture) {
    RecordingCanvas c;
    PanelSprite s{7, 30, 20, 100, 50, 22, 17};
    DrawSprite(c, s);
    s.pictureWidth = 20;
    s.pictureHeight = 10;
    DrawSprite(c, s);
    DrawSprite(c, s, 78, 78);
    ASSERT_EQ(c.pictures.size(), 3u);
    EXPECT_EQ(c.pictures[0].source, (PanelRect{0, 0, 22, 17}));
    EXPECT_EQ(c.pictures[1].source, (PanelRect{0, 0, 20, 10}));
    EXPECT_EQ(c.pictures[2].source, (PanelRect{0, 0, 78, 78}));
    EXPECT_EQ(c.pictures[2].dest, (PanelRect{100, 50, 22, 17}));
}

// A key cap used at two sizes is made at the smaller, so that no place cuts it.
TEST(PictureCatalogueTest, SharedKeyCapsAreMadeAtTheirSmallestPlace) {
    const PictureUse* dim = findPictureUse(556);  // DIM 22 x 17, ANT 28 x 23
    const PictureUse* mox = findPictureUse(551);  // MOX 22 x 17, VOX 21 x 17
    ASSERT_TRUE(dim && mox);
    EXPECT_EQ(std::make_pair(dim->size.width, dim->size.height), std::make_pair(22, 17));
    EXPECT_EQ(std::make_pair(mox->size.width, mox->size.height), std::make_pair(21, 17));
}

TEST(LabelRegionTest, CopiesBothPartsFromTheChosenPanelAndIgnoresBadIndices) {
    RecordingCanvas c;
    DrawLabelRegion(c, true, 9);
    ASSERT_EQ(c.pictures.size(), 2u);
    EXPECT_EQ(c.pictures[0].picture, kLitPanelPicture);
    EXPECT_EQ(c.pictures[0].source, (PanelRect{987, 16, 28, 9}));
    EXPECT_EQ(c.pictures[1].dest, (PanelRect{960, 7, 38, 9}));
    c.clear();
    DrawLabelRegion(c, false, 0);
    EXPECT_EQ(c.pictures.at(0).picture, kPlainPanelPicture);
    c.clear();
    DrawLabelRegion(c, true, 22);
    DrawLabelRegion(c, true, -1);
    EXPECT_TRUE(c.pictures.empty());
}

}  // namespace
}  // namespace velmora::test
