// The reading plan of a scan list: the order in which the variables are read,
// the record format that cuts one segment out of each record of a case, where
// each field lies in the case buffer and the format that converts it.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "engine/scanlist/scanfield.h"
#include "format/format.h"

namespace engine {

// One variable of the plan, in reading order.
struct ScanField {
  int column = 0;            // position of the variable among the names, from 1
  int first = 0;             // first position in the case buffer, from 1
  int last = 0;              // last position in the case buffer
  bool numeric = true;       // false for a character field
  std::string conversion;    // e.g. "(f08.02)" or "(a00003)"
  format::Format converter;  // the parsed conversion format
};

struct ScanPlan {
  std::vector<ScanField> fields;    // in reading order
  std::vector<int> segmentLengths;  // L(g) of each record that holds fields
  std::string recordFormat;         // e.g. "(t1,a,/,t10,a)"
  int bufferLength = 0;
};

// The reading order: name positions (from 1) stably sorted by record.
std::vector<int> SCNSRT(std::span<const ScanSpec> fields);

// The record format for the specifications in reading order; nrec records
// are consumed per case.
std::string SCNFMT(std::span<const ScanSpec> sorted, int nrec);

// The conversion format text of one field.
std::string conversionFormat(const ScanSpec& field);

// The whole plan for n = fields.size() variables (SCNSRT, SCNFMT, SCNLAY and the
// conversion formats). The specifications themselves are left in name order.
ScanPlan SCNPLN(std::span<const ScanSpec> fields, int nrec);

}  // namespace engine
