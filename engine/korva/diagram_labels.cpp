// The label area beside the rows of a space diagram: the points' serial
// numbers and labels in columns read from top to bottom, with the external
// points behind a header entry.
#include <algorithm>
#include <cstdio>

#include "engine/korva/diagram.h"
#include "engine/korva/procedure.h"

namespace engine::korva {

namespace {

constexpr int kBuffer = 150;
constexpr std::string_view kExternalHeader = "   Ext. vars";

// The serial number and label of list slot S (0 for the header entry): the
// internal points, then with external variables the header and the
// external points under the serial numbers that follow the internal ones.
struct Entry {
  int serial = 0;
  std::string text;
};

Entry slotEntry(const EngineState& st, int S) {
  const SSAPAR& par = st.SSAPAR;
  if (S <= par.NV)
    return {S, SSALBL(st, par.NAMLST[static_cast<size_t>(par.NAMBEG + S - 2)], par.LBLWID)};
  if (S == par.NV + 1) return {0, std::string(kExternalHeader)};
  const int k = S - par.NV - 1;
  return {par.NV + k, SSALBL(st, par.NAMLST[static_cast<size_t>(par.EXTBEG + k - 2)], par.LBLWID)};
}

}  // namespace

std::string SSALBS(const EngineState& st, int R) {
  const SSAPAR& par = st.SSAPAR;
  const int step = plotGeometry(st.RUNCTL.NARROW).rows();
  const int lastSlot = par.NEXTV > 0 ? par.NV + par.NEXTV + 1 : par.NV;
  const int width = par.LBLWID + 5;
  std::string buffer(kBuffer, ' ');
  int pos = 1;  // where the next entry starts
  for (int slot = R; slot <= lastSlot; slot += step, pos += width) {
    // An entry is cut to end in the buffer's last position; the list ends
    // when fewer than two label characters would be left.
    const int labelRoom = kBuffer - (pos + 5) + 1;
    if (labelRoom < 2) break;
    const Entry e = slotEntry(st, slot);
    std::string text;
    if (e.serial == 0) {
      text = e.text;
    } else {
      char number[16];
      std::snprintf(number, sizeof number, "%4d ", e.serial);
      text = number + e.text.substr(0, static_cast<size_t>(par.LBLWID));
    }
    const size_t room = static_cast<size_t>(kBuffer - pos + 1);
    buffer.replace(static_cast<size_t>(pos - 1), std::min(text.size(), room), text.substr(0, room));
  }
  return buffer;
}

}  // namespace engine::korva
