#include "widgets/Window_Fit.h"

#include "widgets/Screen_Fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace Vexlor {
namespace {

TScreen_Rect To_Screen_Rect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.width(), rect.height()};
}

} // namespace

void Fit_Window_To_Screen(QWidget* window) {
    const QRect frame = window->frameGeometry();
    QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (!screen)
        screen = window->screen();
    if (!screen)
        return;
    const TScreen_Rect fitted =
        Fit_To_Screen(To_Screen_Rect(frame), To_Screen_Rect(screen->availableGeometry()));
    // The frame (title bar and borders) is what must fit; the client area keeps its margins to it.
    const int extra_width = frame.width() - window->width();
    const int extra_height = frame.height() - window->height();
    window->resize(std::max(fitted.Width - extra_width, window->minimumWidth()),
                   std::max(fitted.Height - extra_height, window->minimumHeight()));
    window->move(fitted.Left, fitted.Top);
}

} // namespace Vexlor
