#pragma once
// VFO SET (dialog 456): one frequency typed from the PC keyboard or the panel's keypad. OK and
// Return run the same entry as the keypad's ENT key; CANCEL, Esc and the title bar's X report
// "cancelled" (VFO SET's result with 0 Hz), so every close path goes through the panel input.
#include <QLineEdit>
#include <functional>

#include "gui/PanelWindowWidget.h"

namespace velmora::gui {

class VfoSetDialog : public PanelWindowWidget {
    Q_OBJECT
  public:
    static constexpr int kMaxDigits = 8;

    // enter: the keypad's ENT (checks the text, reports the result); cancel: reports 0 Hz.
    VfoSetDialog(QWidget* parent, std::function<void()> enter, std::function<void()> cancel);

    QString text() const { return field_->text(); }
    void appendDigit(int digit);

    void accept() override;
    void reject() override;

  protected:
    void focusInEvent(QFocusEvent* e) override;

  private:
    QLineEdit* field_;
    std::function<void()> enter_;
    std::function<void()> cancel_;
};

}  // namespace velmora::gui
