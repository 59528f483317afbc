#include "foundations/CommonUt.h"
#include <gtest/gtest.h>
TEST(Smoke, Edit) { EXPECT_EQ(Vexlor::Edit("  a  b  ", 0x88), "a  b"); }
