// Every record keeps its name through writing and reading, escaping and quotes included.
#include "catalogues/Compounds.h"
#include "catalogues/Creature_Profile.h"
#include "catalogues/Effect_Template.h"
#include "catalogues/Item_Template.h"
#include "catalogues/Poison_Template.h"
#include "catalogues/QID_Plan.h"

#include <gtest/gtest.h>

namespace Vexlor {
namespace {

template <class Record> class Record_Name : public testing::Test {};
using TRecords = testing::Types<TItem_Template, TQID_Plan, TCompound_Plan, TCreature_Profile,
                                TEffect_Template, TPoison_Template>;
TYPED_TEST_SUITE(Record_Name, TRecords);

TYPED_TEST(Record_Name, SurvivesWritingAndReading) {
    for (const char* name :
         {"\"Lucky\" Pete", "'Tis Mine", "\"", "A <b> & c", "Tab\there", "\xe9p\xe9\xeb"}) {
        TypeParam record;
        record.Set_Name(name);
        TypeParam again;
        again.Deserialize(record.Serialize());
        EXPECT_STREQ(again.Get_Name(), name);
    }
}

// Names stored in quotes, as older texts may hold them, are read without them.
TYPED_TEST(Record_Name, QuotesAroundTheStoredNameAreTakenOff) {
    TypeParam record;
    record.Deserialize("<#name=\"Quoted\">");
    EXPECT_STREQ(record.Get_Name(), "Quoted");
}

} // namespace
} // namespace Vexlor
