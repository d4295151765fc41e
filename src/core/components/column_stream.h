#pragma once

#include "components/column_stream_reader.h"
#include "components/column_stream_tags.h"
#include "components/column_stream_writer.h"
#include "components/column_type_registry.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace quavis {

class TColumn;
class TGridTable;

// The streamed property `Col` of a grid table: its column definitions as tagged values.

// Limits a reader puts on the data, far above any real table: the template lists of the table columns
// grow with columns times pick-list items, so corrupt counts must not multiply into gigabytes.
inline constexpr int kMaxStreamColumns = 1024;
inline constexpr int kMaxStreamItems = 1024;

// The column count, then each column's key and definition. Raises EColumnStreamError for a column
// whose class has no key.
void WriteColumns(const TGridTable& table, TColumnStreamWriter& writer);

// Reads a whole `Col` value, appending the columns after any the table has. After each column the
// table's template lists are synchronised, after the last the layout-change notification fires (also
// when a later column fails, so that a bound editor sees the columns that were added). Errors are
// EColumnStreamError with the messages the user sees; columns read before a failure stay.
void ReadColumns(TGridTable& table, TColumnStreamReader& reader);

// The same over a byte buffer.
std::vector<std::uint8_t> WriteColumnsToBytes(const TGridTable& table);
void ReadColumnsFromBytes(TGridTable& table, std::string_view bytes);

// One column's definition after its key: the common fields, then its class's own.
void WriteDefinition(const TColumn& column, TColumnStreamWriter& writer);

} // namespace quavis
