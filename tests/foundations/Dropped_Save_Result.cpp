// Never built into a program: the test Dropped_Save_Result_Does_Not_Compile runs the compiler on
// this file and expects it refused, because a save's failure is dropped here unread.
#include "foundations/Files.h"

void Save_And_Forget() {
    Vexlor::Write_File_Atomic("Characters.master", "the party");
}
