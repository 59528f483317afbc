// The check every catalogue record's fuzz target makes: reading any text never fails, and the text
// a record writes settles: once blank runs have been reduced and quotes taken off, writing what
// was read gives the same text again.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>

namespace Vexlor::Fuzzing {

template <class Record> std::string Read_And_Write(const std::string& text) {
    Record record;
    record.Deserialize(text.c_str());
    return record.Serialize();
}

template <class Record> void Check_Round_Trip(const std::string& text) {
    const std::string written = Read_And_Write<Record>(text);
    const std::string again = Read_And_Write<Record>(written);
    if (Read_And_Write<Record>(again) != again)
        std::abort();
}

inline std::string Text_Of(const std::uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

} // namespace Vexlor::Fuzzing
