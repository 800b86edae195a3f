// The local clock as the program shows it: the current date and time, the time in the
// desktop's long time format (hours, minutes and seconds) and the date in its short date
// format. Through TEnvironment::Clock(), so tests set the time.
#pragma once

#include <string>

#include "platform/environment/Environment.h"

TDateTime Now();
// The classic names: the long time format and the short date format.
std::string TimeToStr(const TDateTime& time);
std::string DateToStr(const TDateTime& date);

// Internal to the clock binding and its tests: the desktop's long time format without the
// time zone that Qt's long format adds ("HH:mm:ss t" -> "HH:mm:ss").
std::string LongTimeFormatOf(const std::string& qtLongFormat);
