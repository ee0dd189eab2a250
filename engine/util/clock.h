// The date and time strings of the listing, from the local clock.
#pragma once

#include <ctime>
#include <string>

namespace engine {

// "dd/mm/yyyy ": day right-justified (leading blank), month with a leading zero.
std::string dateString(const std::tm& t);
// "hh:mm:ss   ".
std::string timeString(const std::tm& t);
// The local time now.
std::tm localNow();

}  // namespace engine
