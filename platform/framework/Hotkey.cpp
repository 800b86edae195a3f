#include "platform/framework/Hotkey.h"

#include <QChar>
#include <QString>

#include "platform/qt/QtBridge.h"

char32_t LowerChar(char32_t ch) {
  return QChar::toLower(ch);
}

char32_t AccelChar(const std::string& caption) {
  const QList<uint> chars = QtString(caption).toUcs4();
  for (qsizetype i = 0; i + 1 < chars.size(); ++i) {
    if (chars[i] != '&') continue;
    if (chars[i + 1] == '&') {
      ++i;  // "&&" is a plain "&"
      continue;
    }
    return LowerChar(chars[i + 1]);
  }
  return 0;
}

bool IsAccel(char32_t key, const std::string& caption) {
  const char32_t accel = AccelChar(caption);
  return accel != 0 && accel == LowerChar(key);
}

std::string StripHotkey(const std::string& caption) {
  std::string result;
  result.reserve(caption.size());
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != '&') {
      result += caption[i];
      continue;
    }
    if (i + 1 < caption.size() && caption[i + 1] == '&') {
      result += '&';
      ++i;
    }
  }
  return result;
}

bool SameCaption(const std::string& a, const std::string& b) {
  return QtString(StripHotkey(a)).compare(QtString(StripHotkey(b)), Qt::CaseInsensitive) == 0;
}
