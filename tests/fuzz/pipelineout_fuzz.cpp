// Fuzz target: the pipeline output reader and the reports built from what it read.
#include <cstddef>
#include <cstdint>

#include "errors.h"
#include "output_file.h"
#include "reports.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  TBrixelOutputFile output(QStringLiteral("fuzz.out"));
  try {
    output.ReadOutput(bytes);
    ObservationsReport(output);
    AlienationReport(output);
    VariablesReport(output);
    TextReport(output, {QStringLiteral("a")}, {QStringLiteral("%1")});
  } catch (const EBrixError&) {
  }
  return 0;
}
