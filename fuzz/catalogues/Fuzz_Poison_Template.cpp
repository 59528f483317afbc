// A poison template read from any text: reading never fails and its stored form settles.
#include "Round_Trip.h"
#include "catalogues/Poison_Template.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Vexlor::Fuzzing::Check_Round_Trip<Vexlor::TPoison_Template>(Vexlor::Fuzzing::Text_Of(data, size));
    return 0;
}
