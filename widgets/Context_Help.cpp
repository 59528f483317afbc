#include "widgets/Context_Help.h"

#include "widgets/Help_System.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QPushButton>
#include <QShortcut>
#include <QVariant>

namespace Vexlor {
namespace {

constexpr char Context_Property[] = "vexlor_help_context";

// Watches the right clicks inside one window.
class TContext_Help_Filter : public QObject {
  public:
    TContext_Help_Filter(QWidget* window, THelp_System& help, TDescribe_Entry describe)
        : QObject(window), Window(window), Help(help), Describe(std::move(describe)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ContextMenu)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != Window)
            return false;
        const QPoint position = static_cast<QContextMenuEvent*>(event)->pos();
        if (Describe)
            if (const auto text = Describe(widget, position)) {
                Help.Popup_Text(text->Title, text->Text);
                return true;
            }
        if (const int context = Help_Context_Of(widget)) {
            Help.Context_Popup(context);
            return true;
        }
        return false;
    }

  private:
    QWidget* Window;
    THelp_System& Help;
    TDescribe_Entry Describe;
};

} // namespace

void Set_Help_Context(QWidget* widget, int context) {
    widget->setProperty(Context_Property, context);
}

int Help_Context_Of(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget()) {
        const QVariant context = widget->property(Context_Property);
        if (context.isValid() && context.toInt() != 0)
            return context.toInt();
        if (widget->isWindow())
            break;
    }
    return 0;
}

void Install_Context_Help(QWidget* window, THelp_System& help, TDescribe_Entry describe) {
    // Context-menu events reach the widget under the mouse first and then its parents; one filter
    // on the application sees them all, and keeps to this window.
    qApp->installEventFilter(new TContext_Help_Filter(window, help, std::move(describe)));
}

QPushButton* Make_Help_Button(QWidget* window, THelp_System& help) {
    auto* button = new QPushButton(QObject::tr("&Help"), window);
    button->setObjectName(QStringLiteral("Help_Button"));
    button->setAutoDefault(false);
    const auto open_topic = [window, &help] { help.Context(Help_Context_Of(window)); };
    QObject::connect(button, &QPushButton::clicked, window, open_topic);
    auto* key = new QShortcut(QKeySequence::HelpContents, window);
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, window, open_topic);
    return button;
}

} // namespace Vexlor
