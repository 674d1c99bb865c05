#include "gui/MenuChoiceDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

#include "gui/DialogButtons.h"

namespace velmora::gui {

namespace {

// Steps through the entries by index and shows each entry's text.
class EntrySpinBox : public QSpinBox {
  public:
    EntrySpinBox(QWidget* parent, const std::vector<MenuSettingEntry>& entries)
        : QSpinBox(parent), entries_(entries) {
        setRange(0, static_cast<int>(entries.size()) - 1);
        setWrapping(false);
    }

  protected:
    QString textFromValue(int value) const override {
        if (value < 0 || static_cast<size_t>(value) >= entries_.size()) return {};
        return QString::fromStdString(entries_[static_cast<size_t>(value)].text);
    }
    // The entry showing exactly this text, else the one whose number is nearest.
    int valueFromText(const QString& text) const override {
        const QString t = text.trimmed();
        bool ok = false;
        const double typed = t.toDouble(&ok);
        int best = value();
        double bestDistance = INFINITY;
        for (size_t i = 0; i < entries_.size(); ++i) {
            const QString entry = QString::fromStdString(entries_[i].text);
            if (entry.compare(t, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
            if (!ok) continue;
            bool entryOk = false;
            const double d = std::fabs(entry.toDouble(&entryOk) - typed);
            if (entryOk && d < bestDistance) {
                bestDistance = d;
                best = static_cast<int>(i);
            }
        }
        return best;
    }
    // Anything may be typed; it is snapped to an entry when the editing ends.
    QValidator::State validate(QString& text, int&) const override {
        for (const MenuSettingEntry& e : entries_) {
            if (text == QString::fromStdString(e.text)) return QValidator::Acceptable;
        }
        return QValidator::Intermediate;
    }
    void fixup(QString& text) const override { text = textFromValue(valueFromText(text)); }

  private:
    const std::vector<MenuSettingEntry>& entries_;
};

}  // namespace

MenuChoiceDialog::MenuChoiceDialog(QWidget* parent, const MenuItemDef& def)
    : QDialog(parent), list_(menuChoiceList(def)) {
    setObjectName("717");
    setWindowTitle("MENU LIST SETTING");
    auto* layout = new QVBoxLayout(this);
    auto* title =
        new QLabel(QString::fromStdString(menuSettingTitle(def, MenuSettingDialog::Choice)), this);
    title->setObjectName("1004");
    layout->addWidget(title);
    if (list_.entries.size() > kMenuLongListEntries) {
        spin_ = new EntrySpinBox(this, list_.entries);
        spin_->setObjectName("1019");
        spin_->setValue(std::max(list_.selected, 0));
        layout->addWidget(spin_);
    } else {
        combo_ = new QComboBox(this);
        combo_->setObjectName("1019");
        for (const MenuSettingEntry& e : list_.entries)
            combo_->addItem(QString::fromStdString(e.text));
        combo_->setCurrentIndex(list_.selected);
        layout->addWidget(combo_);
    }
    auto* buttons = okCancelButtons(*this);
    layout->addWidget(buttons);
}

int MenuChoiceDialog::chosenIndex() {
    if (spin_) {
        spin_->interpretText();
        return spin_->value();
    }
    return combo_ ? combo_->currentIndex() : -1;
}

}  // namespace velmora::gui
