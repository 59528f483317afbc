#include "shell/catalogues/Armor_Template_Form.h"

#include "catalogues/editing/Item_Cost.h"
#include "widgets/Help_Contexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace Vexlor {
namespace {

using TState = TItem_Editor_State;

// A grid laid out down the page: one caption and control a row.
class TRows {
  public:
    explicit TRows(QGridLayout* grid) : Grid(grid) {}
    void Add(const QString& caption, QWidget* control) { Add_Labelled(Grid, Row++, 0, caption, control); }
    void Add(QWidget* control) { Grid->addWidget(control, Row++, 0, 1, 2); }

  private:
    QGridLayout* Grid;
    int Row = 0;
};

} // namespace

TArmor_Edit::TArmor_Edit(TServices& services, QWidget* parent)
    : TArmor_Edit_Base(services, Help_Item_Edit, tr("Edit Item Template"), "item template", parent) {
    setObjectName(QStringLiteral("TArmor_Edit"));
    resize(640, 620);
    QVBoxLayout* layout = Make_Name_Layout("Armor_Name");

    QTabWidget* pages = Make_Pages();
    pages->addTab(Make_General_Page(), tr("&General"));
    pages->addTab(Make_Weapon_Page(), tr("&Weapon"));
    pages->addTab(Make_Intelligence_Page(), tr("&Intelligence"));
    pages->addTab(Make_Other_Page(), tr("O&ther"));
    pages->addTab(Make_Weapons_Page(), tr("&Mounted Weapons"));
    pages->addTab(Memo("Description", &TState::Description), tr("&Description"));
    layout->addWidget(pages, 1);

    QPushButton* roll = Make_Button(this, "Roll_Button", tr("&Roll"));
    On(roll, &QPushButton::clicked, [this] { Roll(); });
    layout->addWidget(Make_Button_Row({roll}));
}

TArmor_Edit::~TArmor_Edit() = default;

QSpinBox* TArmor_Edit::Input_Spin(const char* object_name, int low, int high) {
    QSpinBox* spin = Make_Spin(object_name, low, high);
    On(spin, &QSpinBox::valueChanged, [this] {
        Update_Cost();
        Update_Weight();
    });
    return spin;
}

QSpinBox* TArmor_Edit::Number(const char* object_name, int TState::*field, int low, int high) {
    QSpinBox* spin = Input_Spin(object_name, low, high);
    Bind_Number(spin, field);
    return spin;
}

QCheckBox* TArmor_Edit::Flag(const char* object_name, const QString& caption, bool TState::*field) {
    QCheckBox* check = TArmor_Edit_Base::Flag(object_name, caption, field);
    On(check, &QCheckBox::toggled, [this] {
        Update_Cost();
        Update_Weight();
    });
    return check;
}

QWidget* TArmor_Edit::Costed_Dual_List(const char* chosen_name, const char* available_name,
                                       const char* add_name, const char* remove_name,
                                       TName_Choice TState::*field, const QString& chosen_caption,
                                       const QString& available_caption) {
    const TDual_List_Controls lists = Dual_List(chosen_name, available_name, add_name, remove_name, field,
                                                chosen_caption, available_caption);
    On(lists.Mover, &TDual_List::Changed, [this] { Update_Cost(); });
    return lists.Panel;
}

QWidget* TArmor_Edit::Make_General_Page() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout;
    TRows rows(grid);
    QComboBox* classification = Make_Combo("Classification", Choice_Entries(Item_Class_String));
    Bindings.Choice_Index(classification, &TState::Classification);
    On(classification, &QComboBox::currentIndexChanged, [this] { Update_Cost(); });
    rows.Add(tr("Classification:"), classification);
    rows.Add(Flag("Huge", tr("Huge"), &TState::Huge));
    rows.Add(tr("HP:"), Number("HP", &TState::HP));
    rows.Add(tr("Insulation:"), Number("Insulation", &TState::Insulation));
    rows.Add(tr("Count:"), Number("Count", &TState::Count));
    rows.Add(tr("Capacity:"), Number("Capacity", &TState::Capacity));

    auto* cost_grid = new QGridLayout;
    TRows cost_rows(cost_grid);
    cost_rows.Add(tr("Base cost:"), Number("Base_Cost", &TState::Base_Cost));
    QCheckBox* per_hp = Flag("Cost_Per_HP", tr("Per HP"), &TState::Cost_Per_HP);
    QCheckBox* per_capacity = Flag("Cost_Per_Capacity", tr("Per capacity"), &TState::Cost_Per_Capacity);
    // The cost is per hit point or per unit of capacity, never both.
    On(per_hp, &QCheckBox::toggled, [per_capacity](bool on) {
        if (on)
            per_capacity->setChecked(false);
    });
    On(per_capacity, &QCheckBox::toggled, [per_hp](bool on) {
        if (on)
            per_hp->setChecked(false);
    });
    cost_rows.Add(per_hp);
    cost_rows.Add(per_capacity);
    Armor_Cost = new QLabel(QStringLiteral("0"), page);
    Armor_Cost->setObjectName(QStringLiteral("Armor_Cost"));
    cost_rows.Add(tr("Suggested cost:"), Armor_Cost);

    auto* weight_grid = new QGridLayout;
    TRows weight_rows(weight_grid);
    QSpinBox* weight = Number("Weight", &TState::Weight);
    weight->setToolTip(tr("In tenths of the weight unit: 15 stands for 1.5."));
    weight_rows.Add(tr("Base Weight:"), weight);
    weight_rows.Add(tr("Additional weight:"), Number("Weight_Additional", &TState::Weight_Additional));
    weight_rows.Add(Flag("Weight_Per_Capacity", tr("Per capacity"), &TState::Weight_Per_Capacity));
    Item_Weight = new QLabel(QStringLiteral("0"), page);
    Item_Weight->setObjectName(QStringLiteral("Item_Weight"));
    weight_rows.Add(tr("Weight:"), Item_Weight);

    auto* boxes = new QVBoxLayout;
    boxes->addWidget(Make_Group(tr("Cost"), page, cost_grid));
    boxes->addWidget(Make_Group(tr("Weight"), page, weight_grid));
    boxes->addStretch(1);
    grid->setRowStretch(6, 1);
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(grid, 1);
    layout->addLayout(boxes, 1);
    return page;
}

QWidget* TArmor_Edit::Make_Weapon_Page() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout;
    TRows rows(grid);
    QSpinBox* hit = Number("Hit_Adjustment", &TState::Hit_Adjustment);
    hit->setSuffix(QStringLiteral(" %"));
    rows.Add(tr("Hit adjustment:"), hit);
    rows.Add(tr("Fire rate:"), Number("Time", &TState::Time, 0, 32767));
    rows.Add(tr("Charges per round:"), Number("Charges", &TState::Charges));
    rows.Add(tr("Range:"), Number("Range", &TState::Range));
    QComboBox* weapon_class = Make_Combo("Weapon_Class", Choice_Entries(Weapon_Class_String));
    Bindings.Choice_Index(weapon_class, &TState::Weapon_Class);
    rows.Add(tr("Weapon class:"), weapon_class);

    auto* damage_grid = new QVBoxLayout;
    const TPair_Controls damage = Make_Pair("AttackLow1", "AttackHigh1", 0, 32767);
    Bindings.Range(damage.Pair, &TState::Damage);
    damage_grid->addWidget(Make_Pair_Row(damage));
    damage_grid->addWidget(Flag("Per_KVA", tr("Per KVA"), &TState::Per_KVA));
    rows.Add(Make_Group(tr("Damage"), page, damage_grid));
    grid->setRowStretch(6, 1);

    auto* enhancements = new QVBoxLayout;
    Morphable = Make_Combo("Morphable", {});
    Morphable->setEditable(true);
    Bindings.Bind([this](const TState& state) { Morphable->setCurrentText(To_QString(state.Morphable)); },
                  [this](TState& state) { state.Morphable = From_QString(Morphable->currentText()); });
    On(Morphable, &QComboBox::currentTextChanged, [this] { Update_Cost(); });
    auto* morphable_row = new QHBoxLayout;
    auto* morphable_label = new QLabel(tr("Morphable:"), page);
    morphable_label->setBuddy(Morphable);
    morphable_row->addWidget(morphable_label);
    morphable_row->addWidget(Morphable, 1);
    enhancements->addLayout(morphable_row);
    enhancements->addWidget(Flag("Self_Propelled", tr("Self propelled"), &TState::Self_Propelled));
    enhancements->addWidget(Flag("Surveillance", tr("Surveillance"), &TState::Surveillance));
    enhancements->addWidget(Flag("Sense_Lifeform", tr("Sense lifeform"), &TState::Sense_Lifeform));
    enhancements->addWidget(Flag("Sense_QIDs", tr("Sense QIDs"), &TState::Sense_QIDs));
    enhancements->addWidget(Flag("Sense_Chemicals", tr("Sense chemicals"), &TState::Sense_Chemicals));
    enhancements->addWidget(
        Flag("Sense_Secret_Doors", tr("Sense secret doors"), &TState::Sense_Secret_Doors));
    enhancements->addStretch(1);

    auto* layout = new QHBoxLayout(page);
    layout->addLayout(grid, 1);
    layout->addWidget(Make_Group(tr("Enhancements"), page, enhancements), 1);
    return page;
}

QWidget* TArmor_Edit::Make_Intelligence_Page() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* languages_grid = new QGridLayout;
    TRows(languages_grid)
        .Add(tr("Languages known:"), Number("Item_Languages_Known", &TState::Languages_Known));
    layout->addLayout(languages_grid);

    auto* mind_grid = new QGridLayout;
    TRows mind_rows(mind_grid);
    QSpinBox* cognitive = Input_Spin("Weapon_Cognitive", 0, 10);
    QSpinBox* perception = Input_Spin("Weapon_Perception", 0, 10);
    QSpinBox* wisdom = Input_Spin("Weapon_Wisdom", 0, 10);
    Bindings.Bind(
        [=](const TState& state) {
            Show_Number(cognitive, state.Intelligence.Cognitive, {0, 10});
            Show_Number(perception, state.Intelligence.Perception, {0, 10});
            Show_Number(wisdom, state.Intelligence.Wisdom, {0, 10});
        },
        [=](TState& state) {
            state.Intelligence = {cognitive->value(), perception->value(), wisdom->value()};
        });
    mind_rows.Add(tr("Cognitive:"), cognitive);
    mind_rows.Add(tr("Perception:"), perception);
    mind_rows.Add(tr("Wisdom:"), wisdom);

    auto* classes_grid = new QGridLayout;
    TRows class_rows(classes_grid);
    class_rows.Add(tr("Linguist"), Number("Armor_Linguist_Level", &TState::Linguist_Level, 0, 10));
    class_rows.Add(tr("Historian"), Number("Armor_Historian_Level", &TState::Historian_Level, 0, 10));

    auto* boxes = new QHBoxLayout;
    boxes->addWidget(Make_Group(tr("Intelligence"), page, mind_grid));
    boxes->addWidget(Make_Group(tr("Classes"), page, classes_grid));
    layout->addLayout(boxes);
    layout->addWidget(new QLabel(tr("Roll gives an armour its intelligence at random."), page));
    layout->addStretch(1);
    return page;
}

QWidget* TArmor_Edit::Make_Other_Page() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout;
    TRows rows(grid);
    QSpinBox* bonus = Number("Armor_Bonus", &TState::Armor_Bonus);
    bonus->setSuffix(QStringLiteral(" %"));
    rows.Add(tr("Armor bonus:"), bonus);
    rows.Add(tr("Duration:"), Number("Duration", &TState::Duration));
    rows.Add(tr("Strength Bonus:"), Number("Strength", &TState::Strength, -32767, 32767));
    rows.Add(tr("Max power packs:"), Number("Max_Power_Packs", &TState::Max_Power_Packs));
    rows.Add(Flag("Two_Hands", tr("Requires two hands"), &TState::Two_Hands));

    auto* regeneration_grid = new QGridLayout;
    TRows regeneration_rows(regeneration_grid);
    regeneration_rows.Add(tr("Amount:"), Number("Regeneration", &TState::Regeneration));
    regeneration_rows.Add(tr("Period:"), Number("Regeneration_Period", &TState::Regeneration_Period));
    rows.Add(Make_Group(tr("Regeneration"), page, regeneration_grid));

    auto* speed_layout = new QHBoxLayout;
    speed_layout->addWidget(Number("Speed", &TState::Speed), 1);
    auto* mph = new QRadioButton(tr("mph"), page);
    mph->setObjectName(QStringLiteral("Mph"));
    auto* warp = new QRadioButton(tr("Warp"), page);
    warp->setObjectName(QStringLiteral("Warp"));
    mph->setChecked(true);
    Bindings.Bind([=](const TState& state) { (state.Warp ? warp : mph)->setChecked(true); },
                  [=](TState& state) { state.Warp = warp->isChecked(); });
    speed_layout->addWidget(mph);
    speed_layout->addWidget(warp);
    rows.Add(Make_Group(tr("Speed"), page, speed_layout));
    grid->setRowStretch(8, 1);

    auto* equip = new QListWidget(page);
    equip->setObjectName(QStringLiteral("Equip_Class"));
    equip->setSelectionMode(QAbstractItemView::MultiSelection);
    for (const std::string_view word : Equip_Class_Words)
        equip->addItem(To_QString(std::string(word)));
    Bindings.Bind(
        [equip](const TState& state) {
            for (int row = 0; row < equip->count(); ++row) {
                const std::string word = From_QString(equip->item(row)->text());
                equip->item(row)->setSelected(std::find(state.Equip_Classes.begin(),
                                                        state.Equip_Classes.end(),
                                                        word) != state.Equip_Classes.end());
            }
        },
        [equip](TState& state) {
            state.Equip_Classes.clear();
            for (int row = 0; row < equip->count(); ++row)
                if (equip->item(row)->isSelected())
                    state.Equip_Classes.push_back(From_QString(equip->item(row)->text()));
        });
    auto* equip_layout = new QVBoxLayout;
    equip_layout->addWidget(new QLabel(tr("Equip class:"), page));
    equip_layout->addWidget(equip, 1);

    auto* top = new QHBoxLayout;
    top->addLayout(grid, 2);
    top->addLayout(equip_layout, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top, 1);
    layout->addWidget(new QLabel(tr("QID effects:"), page));
    layout->addWidget(Costed_Dual_List("Armor_QID_List", "Armor_Complete_QID_List", "QID_Add_Button",
                                       "QID_Remove_Button", &TState::QIDs, tr("The item's QIDs:"),
                                       tr("Other QIDs:")),
                      2);
    return page;
}

QWidget* TArmor_Edit::Make_Weapons_Page() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Costed_Dual_List("Weapons", "Available_Weapons", "Weapon_Add_Button",
                                       "Weapon_Remove_Button", &TState::Weapons, tr("Mounted weapons:"),
                                       tr("Available weapons:")));
    return page;
}

void TArmor_Edit::Show(const TState& state) {
    {
        const TFill_Guard filling = Begin_Fill();
        Fill_Combo(Morphable, [&] {
            std::vector<std::string> weapons{""};
            const TItem_Choices choices = Item_Choices(Services.Catalogues.Items, nullptr);
            weapons.insert(weapons.end(), choices.Weapons.begin(), choices.Weapons.end());
            return weapons;
        }());
    }
    TArmor_Edit_Base::Show(state);
    Update_Weight();
}

void TArmor_Edit::Clear_Record() {
    TArmor_Edit_Base::Clear_Record();
    Armor_Cost->setText(QStringLiteral("0"));
}

bool TArmor_Edit::Fill_Record(const std::string& name) {
    if (!TArmor_Edit_Base::Fill_Record(name))
        return false;
    Update_Cost();
    return true;
}

TState TArmor_Edit::New_State() const {
    return New_Item_Editor_State(Item_Choices(Services.Catalogues.Items, Services.Catalogues.QIDs));
}

TState TArmor_Edit::Record_State(TItem_Template& record) const {
    return Item_Editor_State(record, Item_Choices(Services.Catalogues.Items, Services.Catalogues.QIDs));
}

std::unique_ptr<TItem_Template> TArmor_Edit::Build(const TState& state,
                                                   const TItem_Template* original) const {
    return std::make_unique<TItem_Template>(
        Build_Item_Template(original ? *original : TItem_Template{}, state));
}

void TArmor_Edit::Update_Cost() {
    const auto cost = Suggested_Cost(Shown(), Services.Catalogues.Items, Services.Catalogues.QIDs);
    if (cost)
        Armor_Cost->setText(QString::number(*cost));
}

void TArmor_Edit::Update_Weight() {
    Item_Weight->setText(To_QString(Weight_Label(Shown())));
}

void TArmor_Edit::Roll() {
    TItem_Editor_State state = Shown();
    Roll_Intelligence(state);
    {
        const TFill_Guard filling = Begin_Fill();
        Bindings.Show(state);
        Last_Shown = state;
    }
    Update_Cost();
}

} // namespace Vexlor
