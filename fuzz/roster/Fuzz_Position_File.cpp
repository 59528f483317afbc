// A position file of any bytes: reading never fails, and the window placed from it and fitted to
// the screen lies wholly inside the screen.
#include "roster/Position_File.h"
#include "widgets/Screen_Fit.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace Vexlor;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    TWindow_Bounds bounds{10, 20, 640, 480};
    Read_Position_File(text, bounds, 320, 240);
    const TScreen_Rect screen{-1280, 0, 3200, 1024};
    const TScreen_Rect fitted = Fit_To_Screen({bounds.Left, bounds.Top, bounds.Width, bounds.Height}, screen);
    if (fitted.Left < screen.Left || fitted.Top < screen.Top ||
        static_cast<long long>(fitted.Left) + fitted.Width > screen.Left + screen.Width ||
        static_cast<long long>(fitted.Top) + fitted.Height > screen.Top + screen.Height)
        std::abort();
    return 0;
}
