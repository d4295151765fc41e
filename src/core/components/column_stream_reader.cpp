#include "components/column_stream_reader.h"

#include "components/column_stream_extended.h"

namespace quavis {

void TColumnStreamReader::Require(std::size_t byteCount) const
{
    if (byteCount > m_data.size() - m_pos)
        throw EColumnStreamError("Stream read error: unexpected end of data at byte " + std::to_string(m_data.size()));
}

void TColumnStreamReader::ThrowUnexpected(const char* expected, std::uint8_t tag, std::size_t at) const
{
    throw EColumnStreamError("Invalid property value: " + std::string(expected) + " expected at byte " +
                             std::to_string(at) + ", found value tag " + std::to_string(tag));
}

TValueType TColumnStreamReader::NextValue() const
{
    Require(1);
    return static_cast<TValueType>(static_cast<std::uint8_t>(m_data[m_pos]));
}

std::uint8_t TColumnStreamReader::ReadTag(const char* expected)
{
    if (AtEnd())
        throw EColumnStreamError("Stream read error: " + std::string(expected) + " expected at byte " +
                                 std::to_string(m_pos) + ", found the end of data");
    return static_cast<std::uint8_t>(m_data[m_pos++]);
}

std::uint32_t TColumnStreamReader::ReadLittleEndian(int byteCount)
{
    Require(static_cast<std::size_t>(byteCount));
    std::uint32_t value = 0;
    for (int i = 0; i < byteCount; ++i)
        value |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(m_data[m_pos + i])) << (8 * i);
    m_pos += static_cast<std::size_t>(byteCount);
    return value;
}

std::int32_t TColumnStreamReader::ReadIntegerPayload(std::uint8_t tag)
{
    switch (static_cast<TValueType>(tag)) {
    case TValueType::vaInt8:
        return static_cast<std::int8_t>(ReadLittleEndian(1));
    case TValueType::vaInt16:
        return static_cast<std::int16_t>(ReadLittleEndian(2));
    case TValueType::vaInt32:
        return static_cast<std::int32_t>(ReadLittleEndian(4));
    default:
        ThrowUnexpected("integer", tag, m_pos - 1);
    }
}

void TColumnStreamReader::ReadListBegin()
{
    const std::size_t at = m_pos;
    const std::uint8_t tag = ReadTag("list");
    if (tag != static_cast<std::uint8_t>(TValueType::vaList))
        ThrowUnexpected("list", tag, at);
}

void TColumnStreamReader::ReadListEnd()
{
    const std::size_t at = m_pos;
    const std::uint8_t tag = ReadTag("end of list");
    if (tag != static_cast<std::uint8_t>(TValueType::vaNull))
        ThrowUnexpected("end of list", tag, at);
}

std::int32_t TColumnStreamReader::ReadInteger()
{
    return ReadIntegerPayload(ReadTag("integer"));
}

bool TColumnStreamReader::ReadBoolean()
{
    const std::size_t at = m_pos;
    const std::uint8_t tag = ReadTag("boolean");
    if (tag == static_cast<std::uint8_t>(TValueType::vaTrue))
        return true;
    if (tag != static_cast<std::uint8_t>(TValueType::vaFalse))
        ThrowUnexpected("boolean", tag, at);
    return false;
}

std::string TColumnStreamReader::ReadString()
{
    const std::size_t at = m_pos;
    const std::uint8_t tag = ReadTag("string");
    std::size_t length = 0;
    if (tag == static_cast<std::uint8_t>(TValueType::vaString)) {
        length = ReadLittleEndian(1);
    } else if (tag == static_cast<std::uint8_t>(TValueType::vaLString)) {
        const auto declared = static_cast<std::int32_t>(ReadLittleEndian(4));
        if (declared < 0)
            throw EColumnStreamError("Invalid property value: negative string length at byte " + std::to_string(at));
        length = static_cast<std::size_t>(declared);
    } else {
        ThrowUnexpected("string", tag, at);
    }
    // Checked before anything is allocated, so a corrupt length cannot ask for gigabytes.
    Require(length);
    std::string value(m_data.substr(m_pos, length));
    m_pos += length;
    return value;
}

long double TColumnStreamReader::ReadFloat()
{
    const std::size_t at = m_pos;
    const std::uint8_t tag = ReadTag("extended");
    if (tag != static_cast<std::uint8_t>(TValueType::vaExtended)) {
        if (tag == static_cast<std::uint8_t>(TValueType::vaInt8) ||
            tag == static_cast<std::uint8_t>(TValueType::vaInt16) ||
            tag == static_cast<std::uint8_t>(TValueType::vaInt32))
            return static_cast<long double>(ReadIntegerPayload(tag));
        ThrowUnexpected("extended", tag, at);
    }
    Require(10);
    TExtendedBytes bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(m_data[m_pos + i]);
    m_pos += bytes.size();
    return DecodeExtended(bytes);
}

} // namespace quavis
