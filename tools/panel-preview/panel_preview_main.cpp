// panel-preview OUT.png [--skin DIR] [--crop X,Y,W,H,SCALE]: draws the panel as the window shows
// it, with sample radio values (every element drawn once, a few keys pressed and lamps lit), and
// writes the back buffer.
#include <QGuiApplication>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

#include "gui/QtCanvas.h"
#include "gui/QtPictureSource.h"
#include "link/MessageIds.h"
#include "link/RadioInfo.h"
#include "link/RadioStateStore.h"
#include "panel/display/DrawKnob.h"
#include "panel/display/LabelRegion.h"
#include "panel/display/PanelDisplay.h"
#include "panel/display/PictureCatalogue.h"
#include "panel/display/StatusWords.h"

using namespace velmora;

namespace {

class NoTimers : public WindowHost {
  public:
    void post(uint32_t, uintptr_t, intptr_t) override {}
    void send(uint32_t, uintptr_t, intptr_t) override {}
    void setTimer(int, int) override {}
    void killTimer(int) override {}
};

void sampleValues(RadioStateStore& s) {
    InitRadioState(s, [](RadioStateStore&) {});
    InitPanelState(s);
    auto& r = s.records;
    auto& p = s.panel;
    p.vfoA.set(14195000);
    p.vfoB.set(7074000);
    p.md[0].set(2);
    p.md[1].set(7);
    p.rt.set(1);
    p.fr.set(0);
    p.lk[1].set(1);
    p.kr.set(1);
    r.ifStatus.clarifierOffset.set(-120.0);
    r.ifStatus.vfoOrMemory.set(1);
    r.ra[0].set(1);
    r.pa[0].set(1);
    r.pa[1].set(0);
    r.gt[0].set(5);
    r.gt[1].set(1);
    r.rf[0].set(3);
    r.rf[1].set(2);
    r.anAntenna[0].set(0);
    r.anAntenna[1].set(1);
    r.nb[0].set(1);
    r.by[0].set(1);
    r.ps.set(1);
    r.ai.set(1);
    r.vs.set(0);
    r.ft.set(0);
    r.vf[0].flag.set(1);
    r.ri[kInfoMicEq].set(1);
    r.ri[kInfoHiSwr].set(0);
    r.sf.set(8);
    r.kcFlag[0][1].set(1);
    r.kcFlag[1][7].set(1);
    r.bc[1].set(1);
}

// The parts the meters take care of in the window: drawn here so the preview is complete.
void meters(gui::QtCanvas& c, const PanelPictures& pics) {
    c.drawPicture(picture::kMeterFace, {0, 0, 161, 66}, {58, 34, 161, 66});
    const double a = 8 * 0.01745328888888889, s = std::sin(a), co = std::cos(a);
    const PanelPoint from{139 + int(95 * s), 99};
    const PanelPoint to{from.x + int(65 * s), from.y + 93 + int(-65 * co) + int(-95 * co)};
    c.drawLine(from, to, {255, 0, 0}, 1);
    for (int k = 0; k < 33; ++k)
        drawElement(c, pics, PanelElement::BarMeter, k * 3 + (k < 14 ? (k < 18 ? 1 : 2) : 0));
    for (int k = 0; k < 21; ++k)
        drawElement(c, pics, PanelElement::FineOffsetBar,
                    k * 3 + (k == 10           ? 2
                             : k < 13 && k > 7 ? 1
                                               : 0));
    struct Small {
        int32_t id;
        PanelRect at;
    } knobs[] = {{465, {180, 195, 41, 39}}, {465, {97, 263, 41, 39}},  {465, {320, 195, 41, 39}},
                 {465, {250, 195, 41, 39}}, {465, {29, 263, 41, 39}},  {465, {166, 263, 41, 39}},
                 {994, {234, 258, 52, 50}}, {994, {312, 258, 52, 50}}, {468, {108, 196, 41, 39}}};
    for (const Small& k : knobs) {
        c.drawPicture(k.id, {0, 0, k.at.width, k.at.height}, k.at);
        const PanelPoint centre{k.at.x + k.at.width / 2, k.at.y + k.at.height / 2};
        const double ang = 300 * 0.01745328888888889;
        const int r0 = k.id == 994 ? 17 : 11;
        const PanelPoint st{centre.x + int(r0 * std::sin(ang)),
                            centre.y + int(-r0 * std::cos(ang))};
        c.drawLine(st, {st.x + int(5 * std::sin(ang)), st.y + int(-5 * std::cos(ang))}, {255, 0, 0},
                   2);
    }
    c.drawPicture(picture::kFilterBlank, {0, 0, 96, 27}, {789, 133, 96, 24});
    c.drawPicture(1182, {0, 0, 23, 10}, {794, 149, 23, 10});
    c.drawPicture(picture::kFilterDnr, {0, 0, 99, 24}, {909, 133, 99, 24});
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: panel-preview OUT.png [--skin DIR]\n");
        return 2;
    }
    QString skin;
    QRect crop;
    int scale = 1;
    for (int i = 2; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--skin") == 0) skin = argv[i + 1];
        if (std::strcmp(argv[i], "--crop") == 0) {
            int x = 0, y = 0, w = 0, h = 0;
            std::sscanf(argv[i + 1], "%d,%d,%d,%d,%d", &x, &y, &w, &h, &scale);
            crop = QRect(x, y, w, h);
        }
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const gui::QtPictureSource source(skin);
    PanelPictures pictures;
    LoadPanelBitmaps(pictures, source);
    gui::QtCanvas canvas(source);
    auto store = std::make_unique<RadioStateStore>();
    sampleValues(*store);
    NoTimers timers;
    PanelDisplay display(canvas, pictures, *store, timers);

    canvas.drawBackground();
    for (uint32_t id = notify::FIRST; id <= notify::LAST; ++id) display.onNotification(id);
    display.setDigitCursor(kMain, 4);
    for (uint32_t n = notice::KEYS_FIRST; n <= notice::KEYS_LAST; ++n) display.onKeyNotice(n, 0);
    display.onKeyNotice(notice::BAND_14_KEY, 1);  // the 14 MHz key held down
    display.onKeyNotice(notice::A_TO_B_KEY, 1);   // A>B held down
    display.onKeyNotice(notice::ATT_KEY, 1);      // ATT held down
    display.onNotification(notify::RF);
    meters(canvas, pictures);
    DrawKnob(canvas, Knob::MainDial, 30);
    DrawKnob(canvas, Knob::Clar, kKnobAtRest);
    DrawKnob(canvas, Knob::DspA, 45);
    DrawKnob(canvas, Knob::DspB, kKnobAtRest);
    DrawLabelRegion(canvas, true, 4);

    QImage out = canvas.backBuffer();
    if (!crop.isEmpty()) out = out.copy(crop).scaled(crop.size() * std::max(1, scale));
    if (!out.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("wrote %s (%d pictures from the skin)\n", argv[1], source.fromSkin());
    return 0;
}
