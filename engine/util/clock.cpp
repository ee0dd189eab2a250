// The date and time strings of the listing.
#include "engine/util/clock.h"

#include <cstdio>

namespace engine {

std::string dateString(const std::tm& t) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%2d/%02d/%04d ", t.tm_mday, t.tm_mon + 1,
                (t.tm_year + 1900) % 10000);
  return buf;
}

std::string timeString(const std::tm& t) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d   ", t.tm_hour, t.tm_min, t.tm_sec);
  return buf;
}

std::tm localNow() {
  std::time_t now = std::time(nullptr);
  std::tm t{};
  localtime_r(&now, &t);
  return t;
}

}  // namespace engine
