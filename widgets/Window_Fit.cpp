#include "widgets/Window_Fit.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace Vexlor {
namespace {

// Layouts inside layouts a window holds at most, as a wizard frame holds a page of group boxes.
constexpr int Deepest_Layout_Nesting = 8;

TScreen_Rect To_Screen_Rect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.width(), rect.height()};
}

QScreen* Screen_Of(const QWidget* window) {
    if (QScreen* screen = QGuiApplication::screenAt(window->frameGeometry().center()))
        return screen;
    return window->screen();
}

// The frame around window's client area: its own once it has been shown, else taken from
// another window of the program, whose frame the window manager draws alike.
QMargins Frame_Of(const QWidget* window, const QWidget* other) {
    const QWidget* framed = window->isVisible() || !other ? window : other;
    const QRect frame = framed->frameGeometry();
    const QRect client = framed->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

// The size of window's frame around its client area as it stands, at the origin.
TScreen_Rect Framed_Size(const QWidget* window, const QMargins& frame) {
    const QRect client = window->geometry();
    return {0, 0, client.width() + frame.left() + frame.right(),
            client.height() + frame.top() + frame.bottom()};
}

// Puts window's frame at place, the client area shrunk where the frame had to be.
void Set_Frame(QWidget* window, const TScreen_Rect& place, const QMargins& frame) {
    window->resize(std::max(place.Width - frame.left() - frame.right(), window->minimumWidth()),
                   std::max(place.Height - frame.top() - frame.bottom(), window->minimumHeight()));
    window->move(place.Left, place.Top);
}

} // namespace

void Fit_Window_To_Screen(QWidget* window) {
    if (!window->isVisible())
        return;
    const QScreen* screen = Screen_Of(window);
    if (!screen)
        return;
    const QRect frame = window->frameGeometry();
    const TScreen_Rect fitted =
        Fit_To_Screen(To_Screen_Rect(frame), To_Screen_Rect(screen->availableGeometry()));
    Set_Frame(window, fitted, Frame_Of(window, nullptr));
}

void Grow_About_Centre(QWidget* window, const QRect& before) {
    if (!window->isVisible())
        return;
    // A new page asks its parents for room one layout at a time, each through a posted request:
    // they are settled now, so that the window's new least size is known before it is placed.
    for (int level = 0; level < Deepest_Layout_Nesting; ++level)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QMargins frame = Frame_Of(window, nullptr);
    QRect wanted(QPoint(), window->size().expandedTo(window->minimumSize()).grownBy(frame));
    if (wanted.width() <= before.width() && wanted.height() <= before.height())
        return;
    wanted.moveCenter(before.center());
    const QScreen* screen = Screen_Of(window);
    const TScreen_Rect area = To_Screen_Rect(screen ? screen->availableGeometry() : wanted);
    Set_Frame(window, Fit_To_Screen(To_Screen_Rect(wanted), area), frame);
}

void Place_Window(QWidget* window, TWindow_Placement& placement) {
    QWidget* owner = QApplication::activeWindow();
    if (!owner || owner == window)
        owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    if (!placement.Placed() && window->testAttribute(Qt::WA_Moved))
        placement.Left_At(To_Screen_Rect(window->frameGeometry()));
    const QScreen* screen = owner ? Screen_Of(owner) : Screen_Of(window);
    if (!screen)
        return;
    const QMargins frame = Frame_Of(window, owner);
    const TScreen_Rect size = Framed_Size(window, frame);
    const TScreen_Rect area = To_Screen_Rect(screen->availableGeometry());
    const TScreen_Rect opener = owner ? To_Screen_Rect(owner->frameGeometry()) : area;
    Set_Frame(window, placement.Place(size, opener, area), frame);
}

void Remember_Place(const QWidget* window, TWindow_Placement& placement) {
    placement.Left_At(To_Screen_Rect(window->frameGeometry()));
}

void Place_Beside(QWidget* window, const QWidget* dialog) {
    const QScreen* screen = Screen_Of(dialog);
    if (!screen)
        return;
    const QMargins frame = Frame_Of(window, dialog);
    Set_Frame(window,
              Beside(Framed_Size(window, frame), To_Screen_Rect(dialog->frameGeometry()),
                     To_Screen_Rect(screen->availableGeometry())),
              frame);
}

} // namespace Vexlor
