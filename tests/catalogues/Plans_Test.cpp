// QID plans and compound plans: their stored forms, reading into a plan that holds values, and
// the words their durations and help windows are shown in.
#include "catalogues/Compounds.h"
#include "catalogues/Plan_Texts.h"
#include "catalogues/QID_Plan.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace Vexlor {
namespace {

template <class Plan> Plan Read(const std::string& text) {
    Plan plan;
    plan.Deserialize(text.c_str());
    return plan;
}

TQID_Plan Full_QID() {
    TQID_Plan plan;
    plan.Set_Name("Fire & Ice");
    plan.Set_Level(4);
    plan.Set_Classification(QC_Offensive);
    plan.Set_Effect(QID_Plan::QE_Area);
    plan.Set_Time(2);
    plan.Set_Area(20);
    plan.Set_Area_Level(15);
    plan.Set_Duration({1, 4});
    plan.Set_Duration_Level({1, 1});
    plan.Set_Base_Damage({3, 18});
    plan.Set_Level_Damage({1, 6});
    plan.Set_Miss_Percent_Reduction(25);
    plan.Set_Description("Cold <then> hot.");
    plan.Set_Range(60);
    plan.Set_Level_Range(10);
    plan.Set_Specialist(S_Planet);
    plan.Set_Age({-2, 5});
    plan.Set_Shape(ES_Sphere);
    plan.Set_Sight(true);
    return plan;
}

const std::string Full_QID_Text =
    "<#name=Fire &amp; Ice><#level=4><#class=Offensive><#effect=Area><#durationlevel=1-1><#basedamage=3-18>"
    "<#leveldamage=1-6><#specialist=Planet><#range=60><#rangelevel=10><#shape=Sphere><#area=20>"
    "<#arealevel=1.5><#miss=25><#sight><#duration=1-4><description>Cold &lt;then&gt; hot.</description>"
    "<#age=-2,5><#time=2>";

TEST(QID_Plan, WritesEveryTagInItsOrder) {
    TQID_Plan plan = Full_QID();
    EXPECT_EQ(std::string(plan.Serialize()), Full_QID_Text);
    TQID_Plan again = Read<TQID_Plan>(Full_QID_Text);
    EXPECT_EQ(std::string(again.Serialize()), Full_QID_Text);
    EXPECT_STREQ(again.Get_Description(), "Cold <then> hot.");
    EXPECT_EQ(again.Get_Age(), (TRange{-2, 5}));
}

TEST(QID_Plan, VolumeIsWrittenAsThreeMeasures) {
    TQID_Plan plan;
    plan.Set_Shape(ES_Volume);
    plan.Set_Area(9);
    plan.Set_Width(1);
    plan.Set_Depth(2);
    plan.Set_Height(3);
    EXPECT_NE(std::string(plan.Serialize()).find("<#shape=Volume><#area=1,2,3>"), std::string::npos);
    plan.Deserialize("<#area=4,5,6>");
    EXPECT_EQ(plan.Get_Area(), 9);
    EXPECT_EQ(plan.Get_Width(), 4);
    EXPECT_EQ(plan.Get_Depth(), 5);
    EXPECT_EQ(plan.Get_Height(), 6);
    plan.Deserialize("<#area=7,x>");
    EXPECT_EQ(plan.Get_Width(), 7);
    EXPECT_EQ(plan.Get_Depth(), 5);
}

struct TArea_Level_Case {
    int Tenths;
    const char* Text;
};
class QID_Area_Level : public testing::TestWithParam<TArea_Level_Case> {};

TEST_P(QID_Area_Level, WrittenWithAPointBeforeTheLastDigit) {
    TQID_Plan plan;
    plan.Set_Area_Level(GetParam().Tenths);
    const std::string text = plan.Serialize();
    EXPECT_NE(text.find(std::string("<#arealevel=") + GetParam().Text + ">"), std::string::npos) << text;
    EXPECT_EQ(Read<TQID_Plan>(text).Get_Area_Level(), GetParam().Tenths);
}

INSTANTIATE_TEST_SUITE_P(Tenths, QID_Area_Level,
                         testing::Values(TArea_Level_Case{15, "1.5"}, TArea_Level_Case{5, ".5"},
                                         TArea_Level_Case{7, ".7"}, TArea_Level_Case{-5, "-.5"},
                                         TArea_Level_Case{120, "12.0"},
                                         TArea_Level_Case{-2147483647 - 1, "-214748364.8"}));

TEST(QID_Plan, NoMissPermanentAndZeroes) {
    TQID_Plan plan;
    EXPECT_EQ(std::string(plan.Serialize()).find("miss"), std::string::npos);
    EXPECT_EQ(std::string(plan.Serialize()).find("arealevel"), std::string::npos);
    plan.Set_Miss_Percent_Reduction(-1);
    plan.Set_Permanent(true);
    plan.Set_Duration({2, 3});
    const std::string text = plan.Serialize();
    EXPECT_NE(text.find("<#miss=no>"), std::string::npos);
    EXPECT_NE(text.find("<#duration=permanent>"), std::string::npos);
    EXPECT_EQ(text.find("2-3"), std::string::npos);
    const TQID_Plan again = Read<TQID_Plan>(text);
    EXPECT_EQ(again.Get_Miss_Percent_Reduction(), -1);
    EXPECT_TRUE(again.Get_Permanent());
}

TEST(QID_Plan, ReadingKeepsWhatIsAbsent) {
    TQID_Plan plan = Full_QID();
    plan.Deserialize("<#name=Frost><#level=x><#class=Bogus><#basedamage=y><#DURATION=Permanent><#miss=No>");
    EXPECT_STREQ(plan.Get_Name(), "Frost");
    EXPECT_EQ(plan.Get_Level(), 4);
    EXPECT_EQ(plan.Get_Classification(), QC_Offensive);
    EXPECT_EQ(plan.Get_Base_Damage(), (TRange{3, 18}));
    EXPECT_EQ(plan.Get_Duration(), (TRange{1, 4}));
    EXPECT_TRUE(plan.Get_Permanent());
    EXPECT_EQ(plan.Get_Miss_Percent_Reduction(), -1);
    EXPECT_EQ(plan.Get_Specialist(), S_Planet);
    EXPECT_TRUE(plan.Is_Type("qid plan"));
    EXPECT_FALSE(plan.Is_Type("QID plan"));
}

TCompound_Plan Full_Compound() {
    TCompound_Plan plan;
    plan.Set_Name("Rust Mist");
    plan.Set_Level(3);
    plan.Set_Classification(CC_Offensive);
    plan.Set_Effect(Compounds::E_Group);
    plan.Set_Area(10);
    plan.Set_Area_Level(2);
    plan.Set_Duration({1, 3});
    plan.Set_Duration_Level({0, 1});
    plan.Set_Base_Damage({2, 8});
    plan.Set_Level_Damage({1, 2});
    plan.Set_Description("Eats <metal> & skin.");
    plan.Set_Age({-5, -1});
    plan.Set_Miss(50);
    plan.Set_Round_Damage(1, {1, 4});
    plan.Set_Round_Damage(9, {1, 1});
    return plan;
}

const std::string Full_Compound_Text =
    "<#name=Rust "
    "Mist><#level=3><#class=Offensive><#effect=Group><#area=10><#duration=1-3><#durationlevel=0-1>"
    "<#basedamage=2-8><#leveldamage=1-2><#arealevel=2><#rounddamage1=1-4><#rounddamage9=1-1>"
    "<#description=Eats &lt;metal&gt; &amp; skin.><#age=-5,-1><#miss=50>";

TEST(Compound_Plan, WritesEveryTagInItsOrder) {
    TCompound_Plan plan = Full_Compound();
    EXPECT_EQ(std::string(plan.Serialize()), Full_Compound_Text);
    TCompound_Plan again = Read<TCompound_Plan>(Full_Compound_Text);
    EXPECT_EQ(std::string(again.Serialize()), Full_Compound_Text);
    EXPECT_STREQ(again.Get_Description(), "Eats <metal> & skin.");
}

TEST(Compound_Plan, RoundDamageOnlyWhereSet) {
    TCompound_Plan plan;
    EXPECT_EQ(std::string(plan.Serialize()).find("rounddamage"), std::string::npos);
    plan.Set_Round_Damage(3, {0, 2});
    const std::string text = plan.Serialize();
    EXPECT_EQ(text.find("rounddamage"), text.rfind("rounddamage"));
    EXPECT_NE(text.find("<#rounddamage3=0-2>"), std::string::npos);
}

TEST(Compound_Plan, RoundsOutsideOneToNineAreIgnored) {
    TCompound_Plan plan = Read<TCompound_Plan>(
        "<#rounddamage0=5-6><#rounddamage10=5-6><#rounddamage=5-6><#rounddamage2=x><#ROUNDDAMAGE4=7-8>");
    for (int round = 1; round <= 9; ++round)
        EXPECT_EQ(plan.Get_Round_Damage(round), (round == 4 ? TRange{7, 8} : TRange{})) << round;
    EXPECT_THROW(plan.Get_Round_Damage(0), std::out_of_range);
    EXPECT_THROW(plan.Set_Round_Damage(10, {}), std::out_of_range);
}

TEST(Compound_Plan, ReadingKeepsWhatIsAbsent) {
    TCompound_Plan plan = Full_Compound();
    plan.Deserialize("<#level=7><#effect=nobody><#age=bad>");
    EXPECT_EQ(plan.Get_Level(), 7);
    EXPECT_EQ(plan.Get_Effect(), Compounds::E_Group);
    EXPECT_EQ(plan.Get_Age(), (TRange{-5, -1}));
    EXPECT_EQ(plan.Get_Round_Damage(9), (TRange{1, 1}));
    EXPECT_STREQ(plan.Get_Name(), "Rust Mist");
    EXPECT_FALSE(plan.Is_Type("compound plan"));
}

TEST(Plan_Texts, Durations_Of_Ranges_And_Of_Permanent_QIDs) {
    const struct {
        TRange Duration, Per_Level;
        const char* Expected;
    } durations[] = {
        {{0, 0}, {0, 0}, "Instantaneous"},  {{5, 5}, {0, 0}, "5"},         {{2, 8}, {0, 0}, "2-8"},
        {{10, 10}, {1, 1}, "10 + 1/level"}, {{0, 0}, {1, 2}, "1-2/level"}, {{3, 3}, {0, 5}, "3"},
    };
    for (const auto& d : durations)
        EXPECT_EQ(Duration_Text(d.Duration, d.Per_Level), d.Expected) << d.Expected;

    TQID_Plan qid = Full_QID();
    EXPECT_EQ(Duration_Text(qid), "1-4 + 1/level");
    qid.Set_Permanent(true);
    EXPECT_EQ(Duration_Text(qid), "Permanent");
}

TEST(Plan_Help, The_Lines_Of_Each_Kind_Of_Plan) {
    TQID_Plan qid;
    qid.Set_Name("Fog");
    qid.Set_Level(1);
    qid.Set_Time(3);
    qid.Set_Description("A cloud.");
    TPlan_Help help = QID_Help(qid);
    EXPECT_EQ(help.Caption, "Fog");
    EXPECT_EQ(help.Level, "Level: 1");
    EXPECT_EQ(help.Activation_Time, "Activation time: 3");
    EXPECT_EQ(help.Duration, "Duration: Instantaneous");
    EXPECT_EQ(help.Description, "A cloud.");

    TCompound_Plan compound;
    compound.Set_Name("Acid");
    compound.Set_Level(2);
    compound.Set_Duration({1, 4});
    help = Compound_Help(compound);
    EXPECT_EQ(help.Activation_Time, "");
    EXPECT_EQ(help.Duration, "Duration: 1-4");
}

} // namespace
} // namespace Vexlor
