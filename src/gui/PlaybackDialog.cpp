#include "gui/PlaybackDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMap>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/MessageIds.h"

namespace velmora::gui {

namespace {

QLabel* makeIndicator(QWidget* parent, int control, const char* text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::number(control));
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    label->setFrameShape(QFrame::Panel);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance("PLAY") * 2);
    return label;
}

void paint(QLabel* indicator, Rgb colour) {
    QPalette pal = indicator->palette();
    pal.setColor(QPalette::Window, QColor(colour.r, colour.g, colour.b));
    pal.setColor(QPalette::WindowText, Qt::black);
    indicator->setPalette(pal);
}

}  // namespace

PlaybackDialog::PlaybackDialog(QWidget* parent, WindowHost& mainWindow, RadioStateStore& store)
    : OptionWindow(parent, mainWindow, notice::PLAYBACK_CLOSED), logic_(store) {
    setObjectName("895");
    setWindowTitle("Playback");
    auto* layout = new QVBoxLayout(this);
    auto* lamps = new QHBoxLayout;
    rec_ = makeIndicator(this, 1024, "REC");
    play_ = makeIndicator(this, 1025, "PLAY");
    lamps->addWidget(rec_);
    lamps->addWidget(play_);
    layout->addLayout(lamps);
    QMap<QString, QGridLayout*> groups;
    QMap<QString, int> counts;  // keys placed so far in each row of each box
    for (const PlaybackButton& b : PlaybackWindow::buttons()) {
        const QString group = QString::fromLatin1(b.group);
        if (!groups.contains(group)) {
            auto* box = new QGroupBox(group, this);
            groups[group] = new QGridLayout(box);
            layout->addWidget(box);
        }
        auto* button = new QPushButton(QString::fromLatin1(b.label), this);
        button->setObjectName(QString::number(b.control));
        button->setAutoDefault(false);
        const int control = b.control;
        connect(button, &QPushButton::clicked, this, [this, control] { logic_.press(control); });
        // Voice Memory: a row each for REC and PLAY, headed by its name; the recorder's four
        // keys share one row.
        QGridLayout* grid = groups[group];
        const bool voice = group == "Voice Memory";
        const QString row = voice ? QString::fromLatin1(b.row) : QString();
        const int r = voice && row == "PLAY" ? 1 : 0;
        int& n = counts[group + row];
        if (voice && n == 0) grid->addWidget(new QLabel(row, this), r, 0);
        grid->addWidget(button, r, 1 + n++);
    }
    showIndicators();
}

void PlaybackDialog::showIndicators() {
    const PlaybackIndicators shown = logic_.indicators();
    paint(rec_, shown.rec);
    paint(play_, shown.play);
}

void PlaybackDialog::relay(uint32_t id, uintptr_t, intptr_t) {
    if (id == notify::RI || id == notify::AI) showIndicators();
}

}  // namespace velmora::gui
