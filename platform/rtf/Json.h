// A small streaming JSON writer: enough for the document dump, always valid output (strings
// escaped, UTF-8 checked).
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace rtf {

class JsonWriter {
 public:
  explicit JsonWriter(int indent = 1) : indent_(indent) {}

  void BeginObject() { Open('{'); }
  void EndObject() { Close('}'); }
  void BeginArray() { Open('['); }
  void EndArray() { Close(']'); }
  void Key(std::string_view key);

  void String(std::string_view utf8);  // malformed UTF-8 becomes U+FFFD
  void Number(double value);           // shortest form with up to 4 decimals
  void Integer(long long value);
  void Bool(bool value);

  const std::string& Text() const { return out_; }
  // Hands over the text written so far and goes on from there, so that a large document can be
  // written out piece by piece instead of being held whole.
  std::string TakeText() { return std::exchange(out_, {}); }

 private:
  void Open(char bracket);
  void Close(char bracket);
  void BeforeValue();
  void NewLine();

  int indent_;
  std::string out_;
  std::vector<bool> hasItems_;  // per open container
  bool afterKey_ = false;
};

}  // namespace rtf
