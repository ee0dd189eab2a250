// Writers of the preprocessor's listing ("__trel1") and distance matrix
// ("__trel2"), each record through the format interpreter.
#pragma once

#include "format/format.h"
#include "preprocessor/trel_compute.h"
#include "preprocessor/trel_input.h"

namespace trel {

// Each returns false when a record cannot be written.
bool writeHeaderEcho(format::RecordSink& listing, const Header& header);
bool writeData(format::RecordSink& listing, const Table& data);
bool writeStatistics(format::RecordSink& listing, const Statistics& statistics);
// Row i goes to the listing, then to the matrix, for i = 1..N.
bool writeDistances(format::RecordSink& listing, format::RecordSink& matrix,
                    const DistanceMatrix& dist);

}  // namespace trel
