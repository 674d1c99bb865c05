#include "gui/EqualizerWindow.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QVBoxLayout>

#include "equalizer/PefFile.h"
#include "gui/StringText.h"
#include "link/MessageIds.h"

namespace velmora::gui {

using namespace equalizer;

namespace {

// The arrow buttons: parameter, step and control id.
struct Arrow {
    int p;
    int delta;
    int id;
};
// clang-format off
constexpr Arrow kArrows[2 * kParamCount] = {
    {0, -1, 1155}, {0, +1, 1156},  {1, -1, 1158}, {1, +1, 1157},  {2, -1, 1079}, {2, +1, 1078},
    {3, -1, 1159}, {3, +1, 1160},  {4, -1, 1162}, {4, +1, 1161},  {5, -1, 1092}, {5, +1, 1091},
    {6, -1, 1163}, {6, +1, 1164},  {7, -1, 1166}, {7, +1, 1165},  {8, -1, 1105}, {8, +1, 1104},
};
// clang-format on
constexpr const char* kRowNames[] = {"FREQ", "LEVEL", "BWTH"};
constexpr const char* kFileFilter = "Parametric Equalizer Setting File (*.pef)";

// Where the last file dialog ended; the first one starts in the working folder.
QString& lastFolder() {
    static QString folder = QDir::currentPath();
    return folder;
}

}  // namespace

EqualizerWindow::EqualizerWindow(QWidget* parent, RadioStateStore& store, int set,
                                 std::function<void()> closed)
    : PanelWindowWidget(parent),
      sink_(store),
      timers_(this, [this](int id) { onTimer(id); }),
      editor_(store, set, sink_, timers_),
      closed_(std::move(closed)) {
    setObjectName("911");
    setWindowTitle(set == 0 ? "Prmtrc" : "P-Prmtrc");
    chooseFile_ = [this](bool save, const QString& suggested) {
        return chooseWithDialog(save, suggested);
    };
    auto* layout = new QVBoxLayout(this);
    graph_ = new EqualizerGraph(this, editor_);
    connect(graph_, &EqualizerGraph::edited, this, &EqualizerWindow::refreshView);
    layout->addWidget(graph_, 1);
    auto* bands = new QHBoxLayout;
    for (int band = 1; band <= kBandCount; ++band) bands->addWidget(makeBand(band));
    layout->addLayout(bands);
    layout->addWidget(makeButtons());
    editor_.open();
    refreshView();
    graph_->setFocus();
}

EqualizerWindow::~EqualizerWindow() {
    editor_.close();
}

QWidget* EqualizerWindow::makeBand(int band) {
    const QString prefix = editor_.set() == 0 ? "PRMTRC EQ" : "P-PRMTRC EQ";
    auto* box = new QGroupBox(prefix + QString::number(band), this);
    auto* grid = new QGridLayout(box);
    QFont big("Arial");
    big.setBold(true);
    big.setPointSizeF(font().pointSizeF() * 1.6);
    for (int q = 0; q < 3; ++q) {
        const int p = paramIndex(band, static_cast<Param>(q));
        grid->addWidget(new QLabel(kRowNames[q], box), q, 0);
        for (int side = 0; side < 2; ++side) {
            const Arrow& a = kArrows[2 * p + side];
            auto* b = new QToolButton(box);
            b->setObjectName(QString::number(a.id));
            b->setArrowType(a.delta < 0 ? Qt::LeftArrow : Qt::RightArrow);
            b->setFocusPolicy(Qt::NoFocus);
            connect(b, &QToolButton::pressed, this, [this, a] {
                editor_.arrowPressed(a.p, a.delta);
                refreshView();
            });
            connect(b, &QToolButton::released, this, [this] {
                editor_.arrowReleased();
                refreshView();
            });
            arrows_[static_cast<size_t>(2 * p + side)] = b;
            grid->addWidget(b, q, side == 0 ? 1 : 3);
        }
        auto* value = new QLabel(box);
        value->setObjectName(QString("value%1").arg(p));
        value->setFont(big);
        value->setAlignment(Qt::AlignCenter);
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance("?????  Hz"));
        values_[static_cast<size_t>(p)] = value;
        grid->addWidget(value, q, 2);
    }
    return box;
}

QPushButton* EqualizerWindow::addButton(QLayout* layout, const QString& text,
                                        void (EqualizerWindow::*action)()) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(text);
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::TabFocus);
    connect(b, &QPushButton::clicked, this, action);
    layout->addWidget(b);
    return b;
}

QWidget* EqualizerWindow::makeButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    badge_ = new QLabel(row);
    badge_->setObjectName("badge");
    badge_->setMargin(3);
    layout->addWidget(badge_);
    layout->addStretch(1);
    addButton(layout, "EXIT", &EqualizerWindow::exitClicked);
    commands_[0] = addButton(layout, "CANCEL", &EqualizerWindow::cancelClicked);
    commands_[1] = addButton(layout, "APPLI", &EqualizerWindow::applyClicked);
    commands_[2] = addButton(layout, "FILE SAVE", &EqualizerWindow::saveFile);
    commands_[3] = addButton(layout, "FILE LOAD", &EqualizerWindow::loadFile);
    return row;
}

void EqualizerWindow::relay(uint32_t id, uintptr_t, intptr_t) {
    editor_.onNotification(id);
    refreshView();
}

void EqualizerWindow::onTimer(int id) {
    editor_.onTimer(id);
    refreshView();
}

void EqualizerWindow::refreshView() {
    const EqualizerValues& v = editor_.current();
    for (int p = 0; p < kParamCount; ++p)
        values_[static_cast<size_t>(p)]->setText(
            QString::fromStdString(valueText(p, v[static_cast<size_t>(p)])));
    const bool enabled = editor_.editable() && !editor_.busy();
    for (QToolButton* b : arrows_) {
        // A held arrow keeps its press until released: greying it would swallow the release.
        if (!b->isDown()) b->setEnabled(enabled);
    }
    for (QPushButton* b : commands_) b->setEnabled(enabled);
    QString badge = editor_.online() ? "ONLINE" : "OFFLINE";
    if (!editor_.editable()) badge += " - equalizer items missing, editing off";
    if (editor_.busy()) badge += " - waiting for the radio";
    badge_->setText(badge);
    // A style sheet re-polishes the label: set only when the state changes.
    const QString style = editor_.online() ? "background: #2e7d32; color: white;"
                                           : "background: #757575; color: white;";
    if (badge_->styleSheet() != style) badge_->setStyleSheet(style);
    graph_->update();
}

void EqualizerWindow::cancelClicked() {
    editor_.cancel();
    refreshView();
}

void EqualizerWindow::applyClicked() {
    editor_.apply();
    refreshView();
}

void EqualizerWindow::keyPressEvent(QKeyEvent* e) {
    const int band = editor_.selectedBand();
    const auto stepOf = [&](Param q, int delta) {
        editor_.step(paramIndex(band, q), delta);
        refreshView();
    };
    switch (e->key()) {
        case Qt::Key_1:
        case Qt::Key_2:
        case Qt::Key_3:
            editor_.selectBand(e->key() - Qt::Key_0);
            refreshView();
            return;
        case Qt::Key_Left:
            return stepOf(Param::Freq, -1);
        case Qt::Key_Right:
            return stepOf(Param::Freq, +1);
        case Qt::Key_Down:
            return stepOf(Param::Level, -1);
        case Qt::Key_Up:
            return stepOf(Param::Level, +1);
        case Qt::Key_PageDown:
            return stepOf(Param::Bwth, -1);
        case Qt::Key_PageUp:
            return stepOf(Param::Bwth, +1);
        default:
            PanelWindowWidget::keyPressEvent(e);
    }
}

void EqualizerWindow::reject() {
    // EXIT, Esc and the title bar's X all end here.
    if (closing_ || !confirmClose()) return;
    closing_ = true;
    editor_.close();
    closed_();
}

bool EqualizerWindow::confirmClose() {
    if (!editor_.editable() || !editor_.unapplied()) return true;
    QMessageBox box(QMessageBox::Question, windowTitle(), "Apply the changed values?",
                    QMessageBox::Apply | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setObjectName("exitPrompt");
    box.setInformativeText(editor_.online()
                               ? "Apply keeps them in the radio; Discard sets the radio back."
                               : "The window is offline: the changes are only in this window.");
    box.setDefaultButton(QMessageBox::Cancel);
    box.exec();
    const auto choice = box.standardButton(box.clickedButton());
    if (choice == QMessageBox::Apply) {
        editor_.apply();
        return true;
    }
    if (choice == QMessageBox::Discard) {
        editor_.cancel();
        return true;
    }
    return false;
}

void EqualizerWindow::showFailure(int stringId, const QString& detail) {
    QMessageBox box(QMessageBox::Warning, windowTitle(), stringQText(stringId), QMessageBox::Ok,
                    this);
    box.setObjectName(QString::number(stringId));
    if (!detail.isEmpty()) box.setInformativeText(detail);
    box.exec();
}

QString EqualizerWindow::chooseWithDialog(bool save, const QString& suggested) {
    QFileDialog dialog(this, save ? "File Save" : "File Load", lastFolder(), kFileFilter);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix("pef");
    if (save) dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString path = dialog.selectedFiles().front();
    lastFolder() = QFileInfo(path).absolutePath();
    return path;
}

void EqualizerWindow::saveFile() {
    if (editor_.busy()) return;
    const auto values = editor_.savableValues();
    if (!values) {
        showFailure(string_id::kEqualizerValuesUnknown);
        return;
    }
    const QString name = QDateTime::currentDateTime().toString("yyyyMMddHHmmss") + ".pef";
    const QString path = chooseFile_(true, name);
    if (path.isEmpty()) return;
    const std::string error = writePefFile(path.toStdString(), *values);
    if (!error.empty())
        showFailure(string_id::kFileSaveFailed, path + ": " + QString::fromStdString(error));
}

void EqualizerWindow::loadFile() {
    if (!editor_.editable() || editor_.busy()) return;
    const QString path = chooseFile_(false, {});
    if (path.isEmpty()) return;
    const PefReadResult read = readPefFile(path.toStdString());
    if (!read.ioError.empty()) {
        showFailure(string_id::kFileLoadFailed, path + ": " + QString::fromStdString(read.ioError));
    } else if (!read.values) {
        showFailure(string_id::kInputRangeIncorrect, path);
    } else {
        editor_.load(*read.values);
    }
    refreshView();
}

}  // namespace velmora::gui
