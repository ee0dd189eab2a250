// RUNCTL, the run-control record: units, page and line settings, the error
// count, the run flags and the date and time strings of the listing.
#pragma once

#include <cstdint>
#include <string>

namespace engine {

struct RunControl {
  int32_t INUNIT = 5;  // command stream
  int32_t OUTUNI = 6;  // results
  int32_t FILUNI = 9;  // files of OUTPUT paragraphs
  int32_t LSTUNI = 6;  // listing: 7 when a listing file was named, else 6
  int32_t PAGSIZ = 60;
  int32_t LINLFT = 60;
  int32_t PAGENO = 1;
  int32_t LINSIZ = 132;
  int32_t NARROW = 0;  // 1 when LINSIZ was set to exactly 80
  int32_t PAGING = 0;  // 1 when page headers are written (PAPER = WASTE)
  int32_t EDITON = 0;  // sections are parsed but not executed
  int32_t CHKFLG = 0;
  int32_t NERR = 0;
  int32_t ERRFLG = 0;                         // set by the first counted error, never cleared
  int32_t EOFFLG = 0;                         // end of the command stream reached
  std::string DATSTR = std::string(11, ' ');  // "dd/mm/yyyy "
  std::string TIMSTR = std::string(11, ' ');  // "hh:mm:ss   "

  // Sections execute only while no error was counted and EDIT mode is off.
  bool executing() const { return ERRFLG == 0 && EDITON == 0; }
};

}  // namespace engine
