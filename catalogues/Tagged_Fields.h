// What every catalogue record's tagged text is made of: writing attribute tags, flags, sections
// and ranges, and reading values back so that a value which does not read leaves its field alone.
#pragma once

#include "foundations/Checked.h"
#include "foundations/CommonUt.h"
#include "foundations/Dice.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace Vexlor {

// A text handed to a record's setter; null counts as the empty text.
inline std::string Text_Of(const char* text) {
    return text ? std::string(text) : std::string();
}

// The text of a record's last Serialize. It belongs to the record object itself: copying or
// resetting a record leaves it alone, so a text handed out stays valid until the next Serialize.
class TSerialize_Buffer {
  public:
    TSerialize_Buffer() = default;
    TSerialize_Buffer(const TSerialize_Buffer&) {}
    TSerialize_Buffer& operator=(const TSerialize_Buffer&) { return *this; }
    // Starts the text afresh and gives it for writing.
    std::string& Start() {
        Text.clear();
        return Text;
    }
    const char* Get() const { return Text.c_str(); }

  private:
    std::string Text;
};

// A list of choice texts indexed by the choice's number, such as the item classes.
template <long High> using TChoice_Texts = TArray<std::string_view, 0, High>;

// <#key=value>
void Append_Number(std::string& text, std::string_view key, long long value);
void Append_Number_If_Set(std::string& text, std::string_view key, long long value);
// <#key=value> with the value escaped.
void Append_Text(std::string& text, std::string_view key, const std::string& value);
void Append_Text_If_Set(std::string& text, std::string_view key, const std::string& value);
// <#name=value>, escaped, with a leading quote written as a character reference: the reader takes
// quotes off the name before it decodes it, so a name such as "Lucky" Pete would lose its first
// quote on every reading.
void Append_Name(std::string& text, const std::string& name);
// <#key=low-high>
void Append_Range(std::string& text, std::string_view key, const TRange& range);
void Append_Range_If_Set(std::string& text, std::string_view key, const TRange& range);
// <#key> when the flag is set.
void Append_Flag(std::string& text, std::string_view key, bool flag);
// <name>content</name> with the content escaped, when the content is not empty.
void Append_Section(std::string& text, std::string_view name, const std::string& content);

// "low-high", or "low,high" when low is negative: "-4-2" would read back as 0-0.
std::string Range_Text(const TRange& range);
bool Is_Zero(const TRange& range);

// Whether a tag name, folded to lower case, is the attribute tag "<#key", the flag tag "<#key>" or
// the section start "<key>".
bool Is_Attribute(std::string_view name, std::string_view key);
bool Is_Flag(std::string_view name, std::string_view key);
bool Is_Section(std::string_view name, std::string_view key);

// A whole number as it stands (decimal, or "$" hexadecimal); false, leaving field alone, otherwise.
bool Read_Number(const std::string& value, int& field);
// A range; a value whose low end is not a number leaves field alone.
bool Read_Range(const std::string& value, TRange& field);
// A decimal number such as "12.5", "-.3" or "7" into tenths, truncated toward zero ("1.25" is 12);
// anything else, or tenths that do not fit 32 bits, leaves field alone.
bool Read_Tenths(const std::string& value, int& field);

// The choice whose text equals value without regard to case; no match leaves field alone.
template <class Choice, long High>
bool Read_Choice(const std::string& value, const TChoice_Texts<High>& texts, Choice& field) {
    for (long i = 0; i <= High; ++i)
        if (Same_Text(texts[i], value)) {
            field = static_cast<Choice>(i);
            return true;
        }
    return false;
}

// <#key=text of the choice>; a choice outside the list raises std::out_of_range.
template <class Choice, long High>
void Append_Choice(std::string& text, std::string_view key, const TChoice_Texts<High>& texts, Choice choice) {
    text.append("<#").append(key).append("=").append(texts[static_cast<long>(choice)]).append(">");
}
template <class Choice, long High>
void Append_Choice_If_Set(std::string& text, std::string_view key, const TChoice_Texts<High>& texts,
                          Choice choice) {
    if (static_cast<long>(choice) != 0)
        Append_Choice(text, key, texts, choice);
}

// The number after prefix in a slot tag such as "<#damage3"; none when name has another prefix or
// nothing that reads as a number follows it.
std::optional<int> Slot_Number(std::string_view name, std::string_view prefix);

// A whole-number property of a record and its tag key, written only when not 0.
template <class Record> struct TNumber_Field {
    std::string_view Key;
    int Record::*Field;
};

// A flag of a record and its tag key, written as <#key> only when set.
template <class Record> struct TFlag_Field {
    std::string_view Key;
    bool Record::*Field;
};

// A range property of a record and its tag key.
template <class Record> struct TRange_Field {
    std::string_view Key;
    TRange Record::*Field;
};

// A choice property of a record and its tag key, with the reading of its text into the record
// (Read_Choice with the property's own list of choice texts).
template <class Record> struct TChoice_Field {
    std::string_view Key;
    bool (*Read)(const std::string& value, Record& record);
};

template <class Record>
void Append_Numbers(std::string& text, const Record& record, std::span<const TNumber_Field<Record>> fields) {
    for (const auto& field : fields)
        Append_Number_If_Set(text, field.Key, record.*field.Field);
}

template <class Record>
void Append_Flags(std::string& text, const Record& record, std::span<const TFlag_Field<Record>> fields) {
    for (const auto& field : fields)
        Append_Flag(text, field.Key, record.*field.Field);
}

// The field of an attribute tag (its name folded to lower case); null when it is none of fields.
template <class Field> const Field* Attribute_Field(std::string_view name, std::span<const Field> fields) {
    for (const auto& field : fields)
        if (Is_Attribute(name, field.Key))
            return &field;
    return nullptr;
}

// Reads a tag (its name folded to lower case) that is one of fields; false when it is none of them.
template <class Record>
bool Read_Number_Field(const std::string& name, const std::string& value, Record& record,
                       std::span<const TNumber_Field<Record>> fields) {
    const auto* field = Attribute_Field(name, fields);
    if (field)
        Read_Number(value, record.*field->Field);
    return field != nullptr;
}

template <class Record>
bool Read_Flag_Field(const std::string& name, Record& record, std::span<const TFlag_Field<Record>> fields) {
    for (const auto& field : fields)
        if (Is_Flag(name, field.Key)) {
            record.*field.Field = true;
            return true;
        }
    return false;
}

template <class Record>
bool Read_Range_Field(const std::string& name, const std::string& value, Record& record,
                      std::span<const TRange_Field<Record>> fields) {
    const auto* field = Attribute_Field(name, fields);
    if (field)
        Read_Range(value, record.*field->Field);
    return field != nullptr;
}

template <class Record>
bool Read_Choice_Field(const std::string& name, const std::string& value, Record& record,
                       std::span<const TChoice_Field<Record>> fields) {
    const auto* field = Attribute_Field(name, fields);
    if (field)
        field->Read(value, record);
    return field != nullptr;
}

} // namespace Vexlor
