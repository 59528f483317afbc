#include "Tagged_Fields.h"

#include "foundations/HTML.h"

#include <cstdint>
#include <limits>

namespace Vexlor {

void Append_Number(std::string& text, std::string_view key, long long value) {
    text.append("<#").append(key).append("=").append(std::to_string(value)).append(">");
}

void Append_Number_If_Set(std::string& text, std::string_view key, long long value) {
    if (value != 0)
        Append_Number(text, key, value);
}

void Append_Text(std::string& text, std::string_view key, const std::string& value) {
    text.append("<#").append(key).append("=").append(To_HTML(value)).append(">");
}

void Append_Text_If_Set(std::string& text, std::string_view key, const std::string& value) {
    if (!value.empty())
        Append_Text(text, key, value);
}

void Append_Name(std::string& text, const std::string& name) {
    text.append("<#name=");
    if (!name.empty() && (name.front() == '"' || name.front() == '\''))
        text.append("&#")
            .append(std::to_string(static_cast<int>(name.front())))
            .append(";")
            .append(To_HTML(name.substr(1)));
    else
        text.append(To_HTML(name));
    text.append(">");
}

void Append_Range(std::string& text, std::string_view key, const TRange& range) {
    text.append("<#").append(key).append("=").append(Range_Text(range)).append(">");
}

void Append_Range_If_Set(std::string& text, std::string_view key, const TRange& range) {
    if (!Is_Zero(range))
        Append_Range(text, key, range);
}

void Append_Flag(std::string& text, std::string_view key, bool flag) {
    if (flag)
        text.append("<#").append(key).append(">");
}

void Append_Section(std::string& text, std::string_view name, const std::string& content) {
    if (content.empty())
        return;
    text.append("<").append(name).append(">").append(To_HTML(content));
    text.append("</").append(name).append(">");
}

std::string Range_Text(const TRange& range) {
    if (range.Low < 0)
        return std::to_string(range.Low) + "," + std::to_string(range.High);
    return Range_To_String(range);
}

bool Is_Zero(const TRange& range) {
    return range.Low == 0 && range.High == 0;
}

bool Is_Attribute(std::string_view name, std::string_view key) {
    return name.size() == key.size() + 2 && name.starts_with("<#") && name.substr(2) == key;
}

bool Is_Flag(std::string_view name, std::string_view key) {
    return name.size() == key.size() + 3 && name.starts_with("<#") && name.ends_with(">") &&
           name.substr(2, key.size()) == key;
}

bool Is_Section(std::string_view name, std::string_view key) {
    return name.size() == key.size() + 2 && name.front() == '<' && name.back() == '>' &&
           name.substr(1, key.size()) == key;
}

std::optional<int> Slot_Number(std::string_view name, std::string_view prefix) {
    int slot = 0;
    if (!name.starts_with(prefix) || !Str_To_Int(name.substr(prefix.size()), slot))
        return std::nullopt;
    return slot;
}

bool Read_Number(const std::string& value, int& field) {
    return Str_To_Int(value, field);
}

bool Read_Range(const std::string& value, TRange& field) {
    const char separator = value.find(',') != std::string::npos ? ',' : '-';
    int low = 0;
    if (!Str_To_Int(value.substr(0, value.find(separator)), low))
        return false;
    field = String_To_Range(value);
    return true;
}

bool Read_Tenths(const std::string& value, int& field) {
    std::string_view text = value;
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    constexpr std::int64_t Most_Whole = std::int64_t{std::numeric_limits<int>::max()} / 10 + 1;
    std::int64_t whole = 0;
    int tenth = 0;
    bool digits = false, point = false, tenth_read = false;
    for (const char c : text) {
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9')
            return false;
        digits = true;
        if (!point) {
            whole = whole * 10 + (c - '0');
            if (whole > Most_Whole)
                return false;
        } else if (!tenth_read) {
            tenth = c - '0'; // hundredths and beyond are cut off
            tenth_read = true;
        }
    }
    if (!digits)
        return false;
    const std::int64_t tenths = (whole * 10 + tenth) * (negative ? -1 : 1);
    if (tenths > std::numeric_limits<int>::max() || tenths < std::numeric_limits<int>::min())
        return false;
    field = static_cast<int>(tenths);
    return true;
}

} // namespace Vexlor
