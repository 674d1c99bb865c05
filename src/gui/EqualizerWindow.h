#pragma once
// The equalizer window (dialog 911, "Prmtrc" or "P-Prmtrc"): the graph, per band a FREQ, LEVEL
// and BWTH row of value display and two arrows, and EXIT, CANCEL, APPLI, FILE SAVE, FILE LOAD.
// The logic is the editor's; this class turns buttons, keys and file dialogs into its calls and
// shows its state: buttons greyed while CANCEL's or LOAD's answers are pending or while an item
// is missing, and a badge that says whether edits go to the radio. Every close path (EXIT, Esc,
// the title bar's X) runs the same close code, which asks first when changes are unapplied.
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <array>
#include <functional>
#include <memory>

#include "equalizer/EqualizerEditor.h"
#include "equalizer/StoreCommandSink.h"
#include "gui/EqualizerGraph.h"
#include "gui/PanelWindowWidget.h"
#include "gui/QtEqualizerTimers.h"

namespace velmora {
class RadioStateStore;
}

namespace velmora::gui {

class EqualizerWindow : public PanelWindowWidget {
    Q_OBJECT
  public:
    // save: true for FILE SAVE; suggested: the default file name. Empty: the operator cancelled.
    using FileChooser = std::function<QString(bool save, const QString& suggested)>;

    // set 0 the normal set, 1 the processor set; closed sends the close notice.
    EqualizerWindow(QWidget* parent, RadioStateStore& store, int set, std::function<void()> closed);
    ~EqualizerWindow() override;

    void relay(uint32_t id, uintptr_t wParam, intptr_t lParam) override;
    void reject() override;

    // Tests choose files without a dialog.
    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }
    equalizer::EqualizerEditor& editor() { return editor_; }
    EqualizerGraph& graph() { return *graph_; }

    void saveFile();
    void loadFile();

  protected:
    void keyPressEvent(QKeyEvent* e) override;

  private:
    QWidget* makeBand(int band);
    QWidget* makeButtons();
    QPushButton* addButton(QLayout* layout, const QString& text, void (EqualizerWindow::*action)());
    void exitClicked() { reject(); }
    void cancelClicked();
    void applyClicked();
    void onTimer(int id);
    void refreshView();
    bool confirmClose();
    void showFailure(int stringId, const QString& detail = {});
    QString chooseWithDialog(bool save, const QString& suggested);

    equalizer::StoreCommandSink sink_;
    QtEqualizerTimers timers_;
    equalizer::EqualizerEditor editor_;
    std::function<void()> closed_;
    FileChooser chooseFile_;
    bool closing_ = false;
    EqualizerGraph* graph_ = nullptr;
    std::array<QLabel*, equalizer::kParamCount> values_{};
    std::array<QToolButton*, 2 * equalizer::kParamCount> arrows_{};
    std::array<QPushButton*, 4> commands_{};  // CANCEL, APPLI, FILE SAVE, FILE LOAD
    QLabel* badge_ = nullptr;
};

}  // namespace velmora::gui
