#pragma once
// The version window (dialog 905), modal: the program's icon, its one version text (string 113,
// the same version that --version prints) and the notice of string 114; OK, Esc and the title
// bar's X close it.
#include <QDialog>
#include <QIcon>

namespace velmora::gui {

class VersionDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr const char* kTitle = "Version information of VLM for Aldren";

    VersionDialog(QWidget* parent, const QIcon& icon);
};

}  // namespace velmora::gui
