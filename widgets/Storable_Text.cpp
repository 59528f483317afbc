#include "widgets/Storable_Text.h"

#include "widgets/Text_Convert.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QToolTip>

#include <algorithm>

namespace Vexlor {
namespace {

// The note at the right-hand end of the box, where the eye is while typing.
void Show_Note(QWidget* box, const QString& note) {
    QToolTip::showText(box->mapToGlobal(QPoint(box->width(), 0)), note, box);
}

// The last text of the box that could be stored; an edit past it is taken back.
class TStorable_Guard : public QObject {
  public:
    explicit TStorable_Guard(QLineEdit* box) : QObject(box), Last(box->text()) {
        connect(box, &QLineEdit::textChanged, this, [this, box](const QString& text) {
            const QString note = Unstorable_Note(text);
            if (note.isEmpty()) {
                Last = text;
                return;
            }
            const int cursor = std::min(box->cursorPosition(), static_cast<int>(Last.size()));
            box->setText(Last);
            box->setCursorPosition(cursor);
            Show_Note(box, note);
        });
    }

    explicit TStorable_Guard(QPlainTextEdit* box) : QObject(box), Last(box->toPlainText()) {
        connect(box, &QPlainTextEdit::textChanged, this, [this, box] {
            const QString text = box->toPlainText();
            const QString note = Unstorable_Note(text);
            if (note.isEmpty()) {
                Last = text;
                return;
            }
            const int cursor = std::min(box->textCursor().position(), static_cast<int>(Last.size()));
            box->setPlainText(Last);
            QTextCursor at = box->textCursor();
            at.setPosition(cursor);
            box->setTextCursor(at);
            Show_Note(box, note);
        });
    }

  private:
    QString Last;
};

} // namespace

void Refuse_Unstorable(QLineEdit* box) {
    new TStorable_Guard(box);
}

void Refuse_Unstorable(QPlainTextEdit* box) {
    new TStorable_Guard(box);
}

} // namespace Vexlor
