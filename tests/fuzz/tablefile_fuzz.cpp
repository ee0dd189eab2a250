// Fuzz target: the table file reader, and the promise that a saved table reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "errors.h"
#include "numbers.h"
#include "table_file.h"
#include "table_form.h"

namespace {

bool Storable(const TTableForm& table) {
  for (int r = 1; r <= table.LastRow(); ++r)
    for (int c = 1; c <= table.LastCol(); ++c)
      if (!UnstorableCellReason(table.Cell(c, r), c == 1).isEmpty()) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  TTableForm table;
  try {
    table.LoadFromText(DecodeTableBytes(bytes));
  } catch (const EBrixError&) {
    return 0;
  }
  if (!Storable(table)) return 0;
  TTableForm reloaded;
  reloaded.LoadFromText(table.TableText(u'\r'));
  for (int r = 1; r <= table.LastRow(); ++r)
    for (int c = 1; c <= table.LastCol(); ++c)
      if (TrimBlanks(reloaded.Cell(c, r)) != TrimBlanks(table.Cell(c, r))) std::abort();
  return 0;
}
