#include "Json.h"

#include "foundations/Code_Page.h"

#include <cstdio>

namespace Vexlor {
namespace {

void Append_String(std::string& out, std::string_view text) {
    out += '"';
    for (const char c : Windows_1252_To_UTF8(text)) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

} // namespace

void TJson::Separate() {
    if (After_Key) {
        After_Key = false;
        return;
    }
    if (!Empty.empty()) {
        if (!Empty.back())
            Out += ',';
        Empty.back() = false;
    }
}

TJson& TJson::Open(char bracket) {
    Separate();
    Out += bracket;
    Empty.push_back(true);
    return *this;
}

TJson& TJson::Close(char bracket) {
    Out += bracket;
    Empty.pop_back();
    return *this;
}

TJson& TJson::Key(std::string_view key) {
    Separate();
    Append_String(Out, key);
    Out += ':';
    After_Key = true;
    return *this;
}

TJson& TJson::Text(std::string_view text) {
    Separate();
    Append_String(Out, text);
    return *this;
}

TJson& TJson::Number(long long number) {
    return Number_Text(std::to_string(number));
}

TJson& TJson::Number_Text(std::string_view number) {
    Separate();
    Out += number;
    return *this;
}

TJson& TJson::Flag(bool flag) {
    return Number_Text(flag ? "true" : "false");
}

TJson& TJson::Texts(const std::vector<std::string>& texts) {
    Begin_Array();
    for (const std::string& text : texts)
        Text(text);
    return End_Array();
}

} // namespace Vexlor
