// A character editor that records what the wizard hands it on finishing: the QIDs and the
// compound that go into the inventory, each call as one line.
#pragma once

#include "catalogues/Catalogue_Registry.h"

#include <string>
#include <vector>

namespace Vexlor::Testing {

class TRecording_Edit final : public TCharacter_Edit_Interface {
  public:
    void Items() override {}
    void QIDs(const char* text) override { Calls.push_back(std::string("QIDs ") + text); }
    void Compounds(const char* text) override { Calls.push_back(std::string("Compounds ") + text); }
    std::vector<std::string> Calls;
};

} // namespace Vexlor::Testing
