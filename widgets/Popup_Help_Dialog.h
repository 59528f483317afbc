// The small pop-up window that shows a short help text under the mouse: a help context's paragraph,
// or the description of a catalogue entry. A click anywhere or Escape closes it.
#pragma once

#include <QDialog>

class QLabel;

namespace Vexlor {

class TPopup_Help_Dialog : public QDialog {
    Q_OBJECT

  public:
    explicit TPopup_Help_Dialog(QWidget* parent = nullptr);

    // Shows title (bold, hidden when empty) over text at the mouse, kept inside the screen.
    void Show_Help(const QString& title, const QString& text, Qt::TextFormat format);

  private:
    void Place_At_Mouse();

    QLabel* Title_Label = nullptr;
    QLabel* Text_Label = nullptr;
};

} // namespace Vexlor
