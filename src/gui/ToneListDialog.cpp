#include "gui/ToneListDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/DialogButtons.h"

namespace velmora::gui {

ToneListDialog::ToneListDialog(QWidget* parent, int32_t storedTone)
    : QDialog(parent), list_(storedTone) {
    setObjectName("899");
    setWindowTitle("CTCSS Tone Frequency (Hz)");
    auto* layout = new QVBoxLayout(this);
    grid_ = new QTableWidget(ToneList::kRows, ToneList::kColumns, this);
    grid_->setObjectName("1001");
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setShowGrid(false);
    QFont mono("Monospace");
    mono.setStyleHint(QFont::TypeWriter);
    grid_->setFont(mono);
    const auto& entries = ToneList::entries();
    for (size_t i = 0; i < entries.size(); ++i) {
        auto* item = new QTableWidgetItem(QString::fromStdString(entries[i].text));
        item->setData(Qt::UserRole, static_cast<int>(i));
        grid_->setItem(static_cast<int>(i) % ToneList::kRows, static_cast<int>(i) / ToneList::kRows,
                       item);
    }
    const int cell = grid_->fontMetrics().horizontalAdvance("  000.0") + 12;
    grid_->setMinimumSize(cell * ToneList::kColumns + 4,
                          (grid_->fontMetrics().height() + 4) * ToneList::kRows + 4);
    if (const std::optional<int> at = list_.selected()) {
        grid_->setCurrentCell(*at % ToneList::kRows, *at / ToneList::kRows);
    }
    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        if (row >= 0 && column >= 0) list_.select(column * ToneList::kRows + row);
    });
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
        list_.select(column * ToneList::kRows + row);
        accept();
    });
    auto* buttons = okCancelButtons(*this);
    layout->addWidget(grid_);
    layout->addWidget(buttons);
}

void ToneListDialog::accept() {
    chosen_ = list_.chosenTone();
    QDialog::accept();
}

}  // namespace velmora::gui
