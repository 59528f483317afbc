// The "Items..." window: what a player character holds (containers opened level by level), what it
// wears and wields, and the five catalogue pages from which entries are added. One window lives for
// the whole run; the parties dialog and the character wizard load it from a character's stored text,
// show it modally, and take its tagged text back afterwards.
#pragma once

#include "possessions/Inventory.h"
#include "shell/Services.h"
#include "widgets/Context_Help.h"
#include "widgets/Kit_Dialog.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTabWidget;

namespace Vexlor {

class TInventory_Dialog : public TKit_Dialog {
    Q_OBJECT

  public:
    explicit TInventory_Dialog(TServices& services, QWidget* parent = nullptr);

    // Replaces everything held and equipped from a tagged text (a character's stored text).
    void Deserialize(std::string_view text);
    // The inventory's tagged text, <items>...</items><equip>...</equip>.
    std::string Serialize() const { return Model.Serialize(); }
    // Names of a "|"-separated list added as QIDs (with their plans in the "PID") or compounds
    // (with their recipes).
    void Add_QIDs(std::string_view list);
    void Add_Compounds(std::string_view list);
    const TInventory& Inventory() const { return Model; }

    // Refills the catalogue pages from the catalogues and fits the window to the screen; call it
    // before each exec().
    void Prepare() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QListWidget* Make_List(const char* name);
    QWidget* Make_Held_Side();
    QWidget* Make_Catalogue_Side();
    void Connect_Handlers();
    void Show_Level();
    void Show_Equipped();
    void Show_Pages();
    void Update_Buttons();
    void Open_Held(int row);
    void Add_From_Page(TCatalogue_Page page, int row);
    void Delete_Selected();
    void Equip_Selected();
    void Back();
    int Held_Row() const;
    int Equipped_Row() const;
    // What a right click on the entry of one of the window's lists explains.
    TInventory_Help Entry_Help(const QListWidget* list, const QListWidgetItem* item) const;
    std::optional<TPopup_Text> Describe(QWidget* widget, QPoint position) const;
    // Opens the help window of the QID plan or compound plan an entry names; false for any other.
    bool Open_Plan_Help(const QListWidget* list, const QListWidgetItem* item);
    // The held and equipped lists and the catalogue pages' lists.
    std::vector<QListWidget*> All_Lists() const;

    TServices& Services;
    TInventory Model;
    QLabel* Nest_Level;
    QListWidget* Held_List;
    QListWidget* Equipped_List;
    QPushButton* Back_Button;
    QPushButton* Delete_Button;
    QPushButton* Equip_Button;
    QTabWidget* Pages;
    std::array<QListWidget*, std::size(Catalogue_Pages)> Page_Lists{};
};

} // namespace Vexlor
