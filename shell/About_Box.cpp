#include "shell/About_Box.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace Vexlor {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("About"));

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* product_name = new QLabel(tr("Vexlor Referee Assistant"), panel);
    product_name->setObjectName(QStringLiteral("Product_Name"));
    auto* version = new QLabel(tr("Version 1.0"), panel);
    version->setObjectName(QStringLiteral("Version"));
    auto* panel_layout = new QVBoxLayout(panel);
    panel_layout->addWidget(product_name);
    panel_layout->addWidget(version);
    panel_layout->setContentsMargins(16, 16, 16, 16);

    auto* ok = new QPushButton(tr("&OK"), this);
    ok->setObjectName(QStringLiteral("OK_Button"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TAboutBox::setVisible(bool visible) {
    if (visible) {
        adjustSize();
        if (const QScreen* shown_on = screen())
            move(shown_on->availableGeometry().center() - rect().center());
    }
    QDialog::setVisible(visible);
}

} // namespace Vexlor
