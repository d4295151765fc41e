#include "components/column_stream_writer.h"

#include "components/column_stream_extended.h"
#include "components/column_stream_tags.h"

#include <limits>

namespace quavis {

void TColumnStreamWriter::WriteLittleEndian(std::uint32_t value, int byteCount)
{
    for (int i = 0; i < byteCount; ++i)
        m_bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void TColumnStreamWriter::WriteListBegin()
{
    WriteTag(static_cast<std::uint8_t>(TValueType::vaList));
}

void TColumnStreamWriter::WriteListEnd()
{
    WriteTag(static_cast<std::uint8_t>(TValueType::vaNull));
}

void TColumnStreamWriter::WriteInteger(std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    if (value >= -128 && value <= 127) {
        WriteTag(static_cast<std::uint8_t>(TValueType::vaInt8));
        WriteLittleEndian(bits, 1);
    } else if (value >= -32768 && value <= 32767) {
        WriteTag(static_cast<std::uint8_t>(TValueType::vaInt16));
        WriteLittleEndian(bits, 2);
    } else {
        WriteTag(static_cast<std::uint8_t>(TValueType::vaInt32));
        WriteLittleEndian(bits, 4);
    }
}

void TColumnStreamWriter::WriteBoolean(bool value)
{
    WriteTag(static_cast<std::uint8_t>(value ? TValueType::vaTrue : TValueType::vaFalse));
}

void TColumnStreamWriter::WriteString(std::string_view value)
{
    if (value.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        throw EColumnStreamError("String too long to be written");
    if (value.size() <= 255) {
        WriteTag(static_cast<std::uint8_t>(TValueType::vaString));
        WriteLittleEndian(static_cast<std::uint32_t>(value.size()), 1);
    } else {
        WriteTag(static_cast<std::uint8_t>(TValueType::vaLString));
        WriteLittleEndian(static_cast<std::uint32_t>(value.size()), 4);
    }
    m_bytes.insert(m_bytes.end(), value.begin(), value.end());
}

void TColumnStreamWriter::WriteFloat(long double value)
{
    WriteTag(static_cast<std::uint8_t>(TValueType::vaExtended));
    const TExtendedBytes bytes = EncodeExtended(value);
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
}

} // namespace quavis
