#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace quavis {

// Appends tagged values to a byte buffer. Integers take the smallest integer tag that holds them,
// strings the short tag up to 255 characters.
class TColumnStreamWriter {
public:
    void WriteListBegin();
    void WriteListEnd();
    void WriteInteger(std::int32_t value);
    void WriteBoolean(bool value);
    void WriteString(std::string_view value);
    void WriteFloat(long double value);

    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }

private:
    void WriteTag(std::uint8_t tag) { m_bytes.push_back(tag); }
    void WriteLittleEndian(std::uint32_t value, int byteCount);

    std::vector<std::uint8_t> m_bytes;
};

} // namespace quavis
