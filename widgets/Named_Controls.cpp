#include "widgets/Named_Controls.h"

namespace Vexlor {

QPushButton* Make_Button(QWidget* parent, QAnyStringView name, const QString& caption) {
    auto* button = Make_Named<QPushButton>(parent, name, caption);
    button->setAutoDefault(false);
    return button;
}

} // namespace Vexlor
