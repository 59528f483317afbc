#include "shell/Startup.h"

#include "foundations/Random.h"
#include "shell/About_Box.h"
#include "shell/Popup_Help_Dialog.h"
#include "shell/Text_Convert.h"

#include <QMessageBox>

#include <exception>

namespace Vexlor {

std::unique_ptr<TMain_Form> Create_Windows(TVexlor_Application& application) {
    auto main_form = std::make_unique<TMain_Form>(application.Help());
    main_form->Attach_Dialog(TMenu_Command::About, new TAboutBox(main_form.get()));
    application.Help().Set_Popup_Window(new TPopup_Help_Dialog(main_form.get()));
    return main_form;
}

int Run_Vexlor(int argc, char* argv[]) {
    TVexlor_Application application(argc, argv);
    Randomize();
    application.Set_Title(To_QString(Application_Title));
    application.Set_Help_File(Help_File_Name);
    try {
        const std::unique_ptr<TMain_Form> main_form = Create_Windows(application);
        main_form->show();
        return application.exec();
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, application.Title(), To_QString(error.what()));
        return 1;
    }
}

} // namespace Vexlor
