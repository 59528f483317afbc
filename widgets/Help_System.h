// The program's help: the help document shown in a help window at its contents or at a numbered
// context, and a context's first paragraph shown as a pop-up. The document is found by its file
// name in a fixed folder (beside the program), whatever the case of the name on disk.
#pragma once

#include "widgets/Help_Document.h"
#include "widgets/Popup_Help_Dialog.h"

#include <QDialog>
#include <QPointer>
#include <QUrl>

#include <filesystem>
#include <optional>
#include <string>

class QTextBrowser;

namespace Vexlor {

// The window that shows the help document, with Contents and Back buttons.
class THelp_Window : public QDialog {
    Q_OBJECT

  public:
    explicit THelp_Window(const QString& caption);
    void Show_Page(const QUrl& page);

  protected:
    // Tab in reading order, as in every window of the kit.
    bool focusNextPrevChild(bool next) override;

  private:
    // The top of the document shown, where its contents are.
    void Show_Contents();

    QTextBrowser* Browser;
};

class TUser_Prompts;

class THelp_System {
  public:
    // A missing document is reported through prompts.
    THelp_System(std::filesystem::path folder, std::string file_name, TUser_Prompts& prompts);
    ~THelp_System();
    THelp_System(const THelp_System&) = delete;
    THelp_System& operator=(const THelp_System&) = delete;

    void Contents();
    // Opens the window at context's topic; a context without a topic opens the contents.
    void Context(int context);
    // Shows context's first paragraph in the pop-up window, titled with the topic's title.
    void Context_Popup(int context);
    // Shows a short plain text (an entry's description) in the pop-up window.
    void Popup_Text(const QString& title, const QString& text);

    // The window that context pop-ups use; the program creates it once at start-up.
    void Set_Popup_Window(TPopup_Help_Dialog* window) { Popup = window; }

  private:
    // The document's path, or nothing after telling the user that it cannot be found.
    std::optional<std::filesystem::path> Find_Document() const;
    void Show_Page(const std::filesystem::path& document, int context);
    const THelp_Document* Document(const std::filesystem::path& path);

    std::filesystem::path Folder;
    std::string File_Name;
    TUser_Prompts& Prompts;
    std::optional<THelp_Document> Loaded;
    QPointer<THelp_Window> Window;
    QPointer<TPopup_Help_Dialog> Popup;
};

} // namespace Vexlor
