#include "pictures/GifDump.h"

#include <cstdio>

namespace {

std::string HexColor(TColor c) {
  if (c == clNone) return "null";
  char text[16];
  std::snprintf(text, sizeof text, "\"#%02x%02x%02x\"", GetRValue(c), GetGValue(c), GetBValue(c));
  return text;
}

std::string Bool(bool b) {
  return b ? "true" : "false";
}

// The length of the valid UTF-8 sequence at s[i], or 0 when there is none.
std::size_t Utf8Length(const std::string& s, std::size_t i) {
  const auto c = static_cast<unsigned char>(s[i]);
  const std::size_t n = c >= 0xF0 && c < 0xF5 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c < 0xE0 ? 2 : 0;
  if (n == 0 || i + n > s.size()) return 0;
  for (std::size_t k = 1; k < n; ++k)
    if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
  return n;
}

// Comments are bytes of no stated encoding: valid UTF-8 passes through, any other byte is
// taken as Latin-1 so that the output is always valid JSON.
std::string JsonString(const std::string& s) {
  std::string out = "\"";
  for (std::size_t i = 0; i < s.size(); ++i) {
    const auto c = static_cast<unsigned char>(s[i]);
    char esc[8];
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c < 0x20 || c == 0x7F) {
      std::snprintf(esc, sizeof esc, "\\u%04x", c);
      out += esc;
    } else if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (std::size_t n = Utf8Length(s, i)) {
      out.append(s, i, n);
      i += n - 1;
    } else {
      std::snprintf(esc, sizeof esc, "\\u%04x", c);
      out += esc;
    }
  }
  return out + "\"";
}

std::string FrameJson(const TGIFFrame& f) {
  return "{\"left\":" + std::to_string(f.TopLeft().X) +
         ",\"top\":" + std::to_string(f.TopLeft().Y) + ",\"width\":" + std::to_string(f.Width()) +
         ",\"height\":" + std::to_string(f.Height()) + ",\"interlaced\":" + Bool(f.Interlaced()) +
         ",\"transparent\":" + HexColor(f.TransparentColor()) +
         ",\"interval_ms\":" + std::to_string(f.AnimateInterval()) +
         ",\"disposal\":" + std::to_string(f.DisposalMethod()) +
         ",\"corrupted\":" + Bool(f.Corrupted()) + "}";
}

}  // namespace

std::string GifPictureJson(const TGIFImage& gif) {
  const char* versions[] = {"null", "\"87a\"", "\"89a\""};
  std::string json = std::string("{\"version\":") + versions[gif.Version()] + ",\"screen\":[" +
                     std::to_string(gif.ScreenWidth()) + "," + std::to_string(gif.ScreenHeight()) +
                     "],\"background\":" + HexColor(gif.BackgroundColor()) +
                     ",\"loop\":" + Bool(gif.Looping()) +
                     ",\"comment\":" + JsonString(gif.Comment()) + ",\"frames\":[";
  for (int i = 0; i < gif.Count(); ++i) {
    if (i > 0) json += ',';
    json += FrameJson(gif.Frames(i));
  }
  json += "]";
  if (gif.Looping()) json += ",\"repeat_count\":" + std::to_string(gif.RepeatCount());
  return json + "}";
}

std::string GifFramePpm(const TGIFDib& dib) {
  std::string data =
      "P6\n" + std::to_string(dib.Width()) + " " + std::to_string(dib.Height()) + "\n255\n";
  data.reserve(data.size() + 3 * static_cast<std::size_t>(dib.Width()) * dib.Height());
  for (int y = 0; y < dib.Height(); ++y)
    for (int x = 0; x < dib.Width(); ++x) {
      const auto bgr = dib.PaletteEntry(dib.PixelIndex(x, y));
      data += static_cast<char>(bgr[2]);
      data += static_cast<char>(bgr[1]);
      data += static_cast<char>(bgr[0]);
    }
  return data;
}
