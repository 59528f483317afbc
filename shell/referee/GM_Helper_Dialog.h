// The "GM Helper" window: every referee tool at the table, one tab each, over the shared output
// file line. Each button gathers its tab's values, calls the tool and shows the lines it returns;
// the lines also go to the output file under the tool's heading.
#pragma once

#include "referee/Combat.h"
#include "referee/Encounters.h"
#include "referee/Odds_Report.h"
#include "referee/Referee.h"
#include "referee/Table_Check.h"
#include "shell/Services.h"
#include "widgets/Kit_Dialog.h"

#include <functional>

class QChart;
class QChartView;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;
class QTabWidget;

namespace Vexlor {

class TGM_Helper_Form : public TKit_Dialog {
    Q_OBJECT

  public:
    explicit TGM_Helper_Form(TServices& services, QWidget* parent = nullptr);

    // Before each showing: the table list from the table file (a file that cannot be read is
    // reported), the creature and poison lists from the catalogues, each set to "<Random>".
    void Prepare() override;

  private:
    TServices& Services;

    // One ship's boxes on the "Ship Combat" tab.
    struct TShip_Boxes {
        QSpinBox* Tonage = nullptr;
        QSpinBox* Power = nullptr;
        QSpinBox* MR = nullptr;
        QSpinBox* Captain = nullptr;
        QCheckBox* Not_Moving = nullptr;
    };

    QWidget* Make_Output_Line();
    QWidget* Make_Dice_Tab();
    QWidget* Make_Tables_Tab();
    QWidget* Make_Item_Vs_Effect_Tab();
    QWidget* Make_Ship_Combat_Tab();
    QWidget* Make_Nonlethal_Tab();
    QWidget* Make_Disease_Tab();
    QWidget* Make_Poisoning_Tab();
    QWidget* Make_Venom_Tab();
    QWidget* Make_Encounters_Tab();
    QWidget* Make_Treasure_Tab();
    // A tab of one button over one list of results.
    QWidget* Make_Roll_Tab(const QString& caption, const char* button_name, const char* list_name,
                           std::function<TRoll_Result()> roll);
    QWidget* Make_Ship_Side(const QString& title, int ship, TShip_Boxes& boxes);

    void Browse();
    bool Output_Refused();
    void Roll_Dice();
    void Generate_Table();
    void Fill_Table_List();
    void Show_Grid();
    void Attack(const TShip_Boxes& attacker, const TShip_Boxes& target);
    TShip Ship_Of(const TShip_Boxes& boxes) const;
    void Roll_Encounters();

    // The Dice tab's "Odds" and what it shows: the chart of the dice box's formula, the toggle
    // between the chance of exactly each value and of at least it, and the figures beside the chart.
    QPushButton* Make_Odds_Button(QWidget* tab);
    QWidget* Make_Odds_Panel(QWidget* parent);
    void Show_Odds();
    void Draw_Odds();
    QChart* Odds_Chart();
    // The Tables tab's "Check": the findings in Table_Results; a double click on one, or Enter on
    // it, shows its line of the table file. Made after Table_Results.
    QPushButton* Make_Check_Button(QWidget* tab);
    void Run_Table_Check();
    void Show_Finding(int result_line);
    bool eventFilter(QObject* watched, QEvent* event) override;

    // A tool's result in its list or memo, replacing what was there; a roll that stopped half way
    // tells the game master why.
    void Show(QListWidget* list, const TRoll_Result& result);
    void Show(QPlainTextEdit* memo, const TRoll_Result& result);
    void Report(const TRoll_Result& result);

    TReferee Referee;
    TEncounters Encounter_Tool;
    TItem_Vs_Effect Item_Grid;

    QTabWidget* Pages = nullptr;
    QLineEdit* Output_Filename = nullptr;
    QLineEdit* Die_Roll = nullptr;
    QListWidget* Dice_List = nullptr;
    QLineEdit* Table = nullptr;
    QPlainTextEdit* Table_Results = nullptr;
    QListWidget* Table_List = nullptr;
    TOdds_Report Odds;
    QWidget* Odds_Chart_Place = nullptr; // holds the chart once the first odds are shown
    QChartView* Odds_Chart_View = nullptr;
    QRadioButton* Odds_At_Least = nullptr;
    QListWidget* Odds_Figures = nullptr;
    TTable_Check Last_Check;
    QTableWidget* Results = nullptr;
    TShip_Boxes Ship1, Ship2;
    QPlainTextEdit* Ship_Result = nullptr;
    QSpinBox* Nonlethal_Bonus = nullptr;
    QListWidget* Pummeling_List = nullptr;
    QListWidget* Grappling_List = nullptr;
    QListWidget* Overbearing_List = nullptr;
    QSpinBox* Disease_Constitution = nullptr;
    QListWidget* Disease_List = nullptr;
    QComboBox* Poison_Type = nullptr;
    QListWidget* Poisoning_List = nullptr;
    QSpinBox* Creature_Venom_Level = nullptr;
    QPlainTextEdit* Venom_Memo = nullptr;
    QComboBox* Encounter_Level = nullptr;
    QComboBox* Creature_Combo = nullptr;
    QComboBox* Encounter_Habitat = nullptr;
    QComboBox* Encounter_Climate = nullptr;
    QSpinBox* Party_Size = nullptr;
    QPlainTextEdit* Encounters = nullptr;
    QComboBox* Treasure_Type = nullptr;
    QPlainTextEdit* Treasure_List = nullptr;
};

} // namespace Vexlor
