// JSON for scripts that read the command-line companion's results: objects, arrays, strings and
// numbers, written in order. Game text (Windows-1252) is written as UTF-8.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace Vexlor {

class TJson {
  public:
    TJson& Begin_Object() { return Open('{'); }
    TJson& End_Object() { return Close('}'); }
    TJson& Begin_Array() { return Open('['); }
    TJson& End_Array() { return Close(']'); }
    // The name of the next member of the object being written.
    TJson& Key(std::string_view key);
    TJson& Text(std::string_view text);
    TJson& Number(long long number);
    // A number already written as text ("2.5").
    TJson& Number_Text(std::string_view number);
    TJson& Flag(bool flag);
    TJson& Texts(const std::vector<std::string>& texts);

    // The document, with a line break at its end.
    std::string Document() const { return Out + "\n"; }

  private:
    TJson& Open(char bracket);
    TJson& Close(char bracket);
    // Puts the comma between values; none after a key.
    void Separate();

    std::string Out;
    std::vector<bool> Empty; // per open object or array: nothing written in it yet
    bool After_Key = false;
};

} // namespace Vexlor
