// The About box: the product name and version on a lowered panel, and OK.
#pragma once

#include <QDialog>

namespace Vexlor {

class TAboutBox : public QDialog {
    Q_OBJECT

  public:
    explicit TAboutBox(QWidget* parent = nullptr);

    // Placed in the middle of the screen before it appears.
    void setVisible(bool visible) override;
};

} // namespace Vexlor
