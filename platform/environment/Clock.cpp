#include "platform/environment/Clock.h"

#include <QDateTime>
#include <QLocale>

#include "platform/qt/EnvironmentReal.h"
#include "platform/qt/QtBridge.h"

namespace {

QDateTime QtDateTime(const TDateTime& t) {
  return QDateTime(QDate(t.Year, t.Month, t.Day), QTime(t.Hour, t.Minute, t.Second, t.Millisecond));
}

class QtClock final : public ILocalClock {
 public:
  TDateTime Now() override {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), t.msec()};
  }

  std::string LongTimeString(const TDateTime& time) override {
    const QLocale locale = QLocale::system();
    const QString format =
        QtString(LongTimeFormatOf(FromQtString(locale.timeFormat(QLocale::LongFormat))));
    return FromQtString(locale.toString(QtDateTime(time).time(), format));
  }

  std::string ShortDateString(const TDateTime& date) override {
    const QLocale locale = QLocale::system();
    return FromQtString(locale.toString(QtDateTime(date).date(), QLocale::ShortFormat));
  }
};

}  // namespace

std::string LongTimeFormatOf(const std::string& qtLongFormat) {
  // Drop the time-zone letters (t, tt, ttt, tttt) outside quoted text, with the blank before.
  std::string out;
  bool quoted = false;
  for (const char c : qtLongFormat) {
    if (c == '\'') quoted = !quoted;
    if (c == 't' && !quoted) continue;
    out += c;
  }
  while (!out.empty() && (out.back() == ' ' || out.back() == '\t')) out.pop_back();
  while (!out.empty() && (out.front() == ' ' || out.front() == '\t')) out.erase(0, 1);
  return out.empty() ? "HH:mm:ss" : out;
}

ILocalClock& RealClock() {
  static QtClock clock;
  return clock;
}

TDateTime Now() {
  return TEnvironment::Clock().Now();
}

std::string TimeToStr(const TDateTime& time) {
  return TEnvironment::Clock().LongTimeString(time);
}

std::string DateToStr(const TDateTime& date) {
  return TEnvironment::Clock().ShortDateString(date);
}
