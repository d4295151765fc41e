#pragma once

#include "components/column_stream_tags.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quavis {

// Reads tagged values from a byte buffer that it does not own. Every read checks the tag and the bytes
// left first: truncated or corrupt data raises EColumnStreamError and never reads past the end, and a
// length is trusted only as far as the data reaches.
class TColumnStreamReader {
public:
    explicit TColumnStreamReader(std::string_view data) : m_data(data) {}
    explicit TColumnStreamReader(const std::vector<std::uint8_t>& data)
        : m_data(reinterpret_cast<const char*>(data.data()), data.size())
    {
    }

    // The tag of the next value, without consuming it.
    TValueType NextValue() const;
    bool EndOfList() const { return NextValue() == TValueType::vaNull; }

    void ReadListBegin();
    void ReadListEnd();
    // Any of the three integer tags.
    std::int32_t ReadInteger();
    bool ReadBoolean();
    // Either string tag.
    std::string ReadString();
    // An extended real; an integer is also taken as its value.
    long double ReadFloat();

    bool AtEnd() const { return m_pos >= m_data.size(); }
    std::size_t Position() const { return m_pos; }

private:
    std::uint8_t ReadTag(const char* expected);
    std::uint32_t ReadLittleEndian(int byteCount);
    std::int32_t ReadIntegerPayload(std::uint8_t tag);
    [[noreturn]] void ThrowUnexpected(const char* expected, std::uint8_t tag, std::size_t at) const;
    void Require(std::size_t byteCount) const;

    std::string_view m_data;
    std::size_t m_pos = 0;
};

} // namespace quavis
