#pragma once

class QDialog;
class QDialogButtonBox;

namespace velmora::gui {

// The OK and CANCEL buttons of the small dialogs, named by their control ids 1 and 2. They end
// the dialog through its own accept() and reject(), so a button, Esc and the title bar's X all
// run the dialog's one close code.
QDialogButtonBox* okCancelButtons(QDialog& dialog);

}  // namespace velmora::gui
