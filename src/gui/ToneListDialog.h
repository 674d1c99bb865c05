#pragma once
// CTCSS Tone Frequency (dialog 899), modal: the 50 tones in ten rows of five, opened on the
// stored tone. OK or a double click takes the selected tone; CANCEL and Esc take none.
#include <QDialog>
#include <QTableWidget>
#include <optional>

#include "windows/ToneList.h"

namespace velmora::gui {

class ToneListDialog : public QDialog {
    Q_OBJECT
  public:
    ToneListDialog(QWidget* parent, int32_t storedTone);
    // The tone OK took; nullopt after CANCEL or when nothing was selected.
    std::optional<int32_t> chosenTone() const { return chosen_; }
    void accept() override;

  private:
    ToneList list_;
    QTableWidget* grid_;
    std::optional<int32_t> chosen_;
};

}  // namespace velmora::gui
