#include "widgets/Help_System.h"

#include "foundations/Files.h"
#include "widgets/Keyboard.h"
#include "widgets/Text_Convert.h"
#include "widgets/User_Prompts.h"
#include "widgets/Window_Fit.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <stdexcept>

namespace Vexlor {
namespace {

constexpr int No_Context = -1;

QString Caption() {
    return QApplication::applicationName() + QStringLiteral(" Help");
}

} // namespace

THelp_Window::THelp_Window(const QString& caption) : Browser(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("Help_Window"));
    setWindowTitle(caption);
    // The help window may stay open beside the main window; it never keeps the program running.
    setAttribute(Qt::WA_QuitOnClose, false);
    Browser->setObjectName(QStringLiteral("Help_Browser"));
    Browser->setOpenExternalLinks(true);

    auto* buttons = new QDialogButtonBox(this);
    auto* contents = buttons->addButton(tr("&Contents"), QDialogButtonBox::ActionRole);
    auto* back = buttons->addButton(tr("&Back"), QDialogButtonBox::ActionRole);
    auto* close = buttons->addButton(QDialogButtonBox::Close);
    close->setText(tr("C&lose"));
    contents->setObjectName(QStringLiteral("Contents_Button"));
    back->setObjectName(QStringLiteral("Back_Button"));
    close->setObjectName(QStringLiteral("Close_Button"));
    back->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, &THelp_Window::Show_Contents);
    connect(back, &QPushButton::clicked, Browser, &QTextBrowser::backward);
    connect(Browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Browser);
    layout->addWidget(buttons);
    resize(560, 480);
}

void THelp_Window::Show_Contents() {
    QUrl contents = Browser->source();
    contents.setFragment(QString());
    Browser->setSource(contents);
}

bool THelp_Window::focusNextPrevChild(bool next) {
    return Focus_Next_In_Reading_Order(this, next) || QDialog::focusNextPrevChild(next);
}

void THelp_Window::Show_Page(const QUrl& page) {
    Browser->setSource(page);
    show();
    raise();
    activateWindow();
}

THelp_System::THelp_System(std::filesystem::path folder, std::string file_name, TUser_Prompts& prompts)
    : Folder(std::move(folder)), File_Name(std::move(file_name)), Prompts(prompts) {}

THelp_System::~THelp_System() {
    // While it is shown from a dialog, the help window belongs to that dialog; otherwise it is ours.
    if (Window && !Window->parentWidget())
        delete Window;
}

void THelp_System::Contents() {
    if (const auto document = Find_Document())
        Show_Page(*document, No_Context);
}

void THelp_System::Context(int context) {
    if (const auto document = Find_Document()) {
        const THelp_Document* topics = Document(*document);
        Show_Page(*document, topics->Topic(context) ? context : No_Context);
    }
}

void THelp_System::Context_Popup(int context) {
    if (!Popup)
        throw std::logic_error("The pop-up help window has not been created.");
    const auto document = Find_Document();
    if (!document)
        return;
    if (const THelp_Topic* topic = Document(*document)->Topic(context))
        Popup->Show_Help(To_QString(topic->Title), To_QString(topic->Paragraph), Qt::RichText);
    else
        Popup->Show_Help(QString(), QObject::tr("There is no help for this item."), Qt::PlainText);
}

void THelp_System::Popup_Text(const QString& title, const QString& text) {
    if (!Popup)
        throw std::logic_error("The pop-up help window has not been created.");
    Popup->Show_Help(title, text, Qt::PlainText);
}

std::optional<std::filesystem::path> THelp_System::Find_Document() const {
    if (auto found = Find_File(Folder, File_Name))
        return found;
    const QString path = Path_To_QString(Folder / File_Name);
    Prompts.Show_Message(TMessage_Kind::Warning, Caption(),
                         QObject::tr("Cannot find the help file %1.").arg(path));
    return std::nullopt;
}

void THelp_System::Show_Page(const std::filesystem::path& document, int context) {
    // Help opened from a modal dialog must be usable while that dialog is up, so the window
    // belongs to the dialog for as long as it is shown from there.
    QWidget* owner = QApplication::activeModalWidget();
    if (!Window)
        Window = new THelp_Window(Caption());
    if (Window->parentWidget() != owner)
        Window->setParent(owner, Window->windowFlags());
    // Opened anew, the window stands beside the window it explains, never over it.
    if (const QWidget* explained = owner ? owner : QApplication::activeWindow();
        explained && !Window->isVisible() && explained != Window)
        Place_Beside(Window, explained);
    QUrl page = QUrl::fromLocalFile(Path_To_QString(document));
    if (context != No_Context)
        page.setFragment(To_QString(Help_Anchor(context)));
    Window->Show_Page(page);
}

const THelp_Document* THelp_System::Document(const std::filesystem::path& path) {
    if (!Loaded)
        Loaded.emplace(Read_File(path).value_or(std::string()));
    return &*Loaded;
}

} // namespace Vexlor
