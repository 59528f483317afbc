// A QID plan read from any text: reading never fails and its stored form settles.
#include "Round_Trip.h"
#include "catalogues/QID_Plan.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Vexlor::Fuzzing::Check_Round_Trip<Vexlor::TQID_Plan>(Vexlor::Fuzzing::Text_Of(data, size));
    return 0;
}
