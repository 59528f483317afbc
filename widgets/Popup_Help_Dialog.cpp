#include "widgets/Popup_Help_Dialog.h"

#include <QCursor>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace Vexlor {
namespace {

constexpr int Text_Width = 360; // pixels; a pop-up reads best as a narrow column

} // namespace

TPopup_Help_Dialog::TPopup_Help_Dialog(QWidget* parent) : QDialog(parent, Qt::Popup) {
    setObjectName(QStringLiteral("Popup_Help_Dialog"));
    // Framed and coloured like a tooltip, so it reads as a note over the window it explains.
    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setBackgroundRole(QPalette::ToolTipBase);
    frame->setForegroundRole(QPalette::ToolTipText);
    frame->setAutoFillBackground(true);

    Title_Label = new QLabel(frame);
    Title_Label->setObjectName(QStringLiteral("Title_Label"));
    QFont bold = Title_Label->font();
    bold.setBold(true);
    Title_Label->setFont(bold);
    Title_Label->setWordWrap(true);
    Text_Label = new QLabel(frame);
    Text_Label->setObjectName(QStringLiteral("Text_Label"));
    Text_Label->setWordWrap(true);
    Text_Label->setFixedWidth(Text_Width);

    auto* frame_layout = new QVBoxLayout(frame);
    frame_layout->addWidget(Title_Label);
    frame_layout->addWidget(Text_Label);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TPopup_Help_Dialog::Show_Help(const QString& title, const QString& text, Qt::TextFormat format) {
    Title_Label->setText(title);
    Title_Label->setVisible(!title.isEmpty());
    Text_Label->setTextFormat(format);
    Text_Label->setText(text);
    adjustSize();
    Place_At_Mouse();
    show();
}

void TPopup_Help_Dialog::Place_At_Mouse() {
    QPoint corner = QCursor::pos();
    if (const QScreen* screen = QGuiApplication::screenAt(corner)) {
        const QRect area = screen->availableGeometry();
        corner.setX(std::clamp(corner.x(), area.left(), std::max(area.left(), area.right() - width())));
        corner.setY(std::clamp(corner.y(), area.top(), std::max(area.top(), area.bottom() - height())));
    }
    move(corner);
}

} // namespace Vexlor
