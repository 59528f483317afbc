#include "widgets/Slot_Guard.h"

#include "widgets/Text_Convert.h"

#include <QApplication>

#include <exception>

namespace Vexlor {

void Run_Guarded(TUser_Prompts& prompts, const std::function<void()>& handler) {
    QString message;
    try {
        handler();
        return;
    } catch (const std::exception& error) {
        message = To_QString(error.what());
    } catch (...) {
        message = QObject::tr("An unexpected error occurred.");
    }
    prompts.Show_Message(TMessage_Kind::Error, QApplication::applicationName(), message);
}

} // namespace Vexlor
