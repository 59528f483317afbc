// The rogue page of the character wizard and the level-up dialog: a pool of rogue points spent on
// scores, skills, QIDs, compounds, commando points and thief skills, or on one more hit point. A
// thin form over TRogue_Pool; every purchase goes straight into the character.
#pragma once

#include "roster/Rogue_Pool.h"
#include "shell/characters/Wizard_Frame.h"

#include <array>
#include <memory>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace Vexlor {

// One improvement: its caption with the value and the price, "+" and "-" with their hints.
class TModifier_Panel : public QWidget {
    Q_OBJECT

  public:
    TModifier_Panel(const TRogue_Panel_Kind& kind, QWidget* parent);
    void Show(const TRogue_Pool& pool, int panel);

    QPushButton* const Increase_Button;
    QPushButton* const Decrease_Button;

  private:
    QLabel* const Caption_Label;
};

class TRogue_Dialog : public TWizard_Form {
    Q_OBJECT

  public:
    // restore belongs to the frame's run: the page takes back its purchases of an earlier visit
    // before it reads the character, and records them after each change.
    TRogue_Dialog(TServices& services, TRogue_Restore_Point& restore, int total_points);

    bool Applicable() override;
    void Update_From_Character() override;
    bool Valid() override;

    const int Total_Points;
    int Rogue_Index = 0; // the character's rogue slot

  private:
    QWidget* Make_Sheet(TRogue_Sheet sheet, int columns);
    QWidget* Make_Hit_Point_Sheet();
    void Show_Pool();
    void Choose_Hit_Point(bool chosen);

    TRogue_Restore_Point& Restore;
    std::unique_ptr<TRogue_Pool> Pool;
    std::vector<TModifier_Panel*> Panels;
    QLabel* Points_Label;
    std::array<QLabel*, 3> Total_Labels{};
    QTabWidget* Sheets;
    QCheckBox* Hit_Point_Box = nullptr;
};

} // namespace Vexlor
