#include "widgets/Context_Help.h"

#include "widgets/Help_System.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QVariant>

namespace Vexlor {
namespace {

constexpr char Context_Property[] = "vexlor_help_context";

// A right button pressed, released or double-clicked on the entries of a list.
bool Right_Click_On_List(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick)
        return false;
    if (static_cast<QMouseEvent*>(event)->button() != Qt::RightButton)
        return false;
    const auto* view = qobject_cast<const QAbstractItemView*>(watched->parent());
    return view && view->viewport() == watched;
}

// Watches the right clicks inside one window.
class TContext_Help_Filter : public QObject {
  public:
    TContext_Help_Filter(QWidget* window, THelp_System& help, TDescribe_Entry describe)
        : QObject(window), Window(window), Help(help), Describe(std::move(describe)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool right_click = Right_Click_On_List(watched, event);
        if (!right_click && event->type() != QEvent::ContextMenu)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != Window)
            return false;
        // A right click asks for help: it never picks the entry under the mouse. The context-menu
        // event that follows it still comes.
        if (right_click)
            return true;
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

// A right click on an entry of a list opens a window about that entry. It sees the click before
// the window's context help (a filter installed later runs first).
class TEntry_Click_Filter : public QObject {
  public:
    TEntry_Click_Filter(QListWidget* list, std::function<bool(QListWidgetItem*)> open)
        : QObject(list), List(list), Open(std::move(open)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ContextMenu || watched != List->viewport())
            return false;
        QListWidgetItem* item = List->itemAt(static_cast<QContextMenuEvent*>(event)->pos());
        return item && Open(item);
    }

  private:
    QListWidget* List;
    std::function<bool(QListWidgetItem*)> Open;
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

void On_Entry_Right_Click(QListWidget* list, std::function<bool(QListWidgetItem*)> open) {
    qApp->installEventFilter(new TEntry_Click_Filter(list, std::move(open)));
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
