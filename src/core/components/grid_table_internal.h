#pragma once

namespace quavis {

class TGridTable;

// Shared between the table, its columns and the registry; not for other callers.
namespace grid_internal {

// Registry maintenance, for TGridTable's constructor and destructor.
void RegistryAdd(TGridTable* table);
void RegistryRemove(TGridTable* table);
int TakeIdentifier();

// True while a sub-table is being made from this template further up the call chain: a template that
// (through its own table columns) names itself would otherwise nest sub-tables without end.
bool IsTemplateInUse(const TGridTable* templ);

} // namespace grid_internal

} // namespace quavis
