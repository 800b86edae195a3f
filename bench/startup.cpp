// Start-up of the real program, measured from outside as a user sees it: the time from starting
// the process until its main window is mapped on the X server, and, with a 10 MB RTF document
// as argument, until the first screen of the document is painted in the editing area. The
// window's 500 ms growing animation is switched off (TARVIK_ANIMATION=0), so only the program's
// own work is timed.
//
// Runs on the display in DISPLAY, or on an Xvfb of its own when there is none. No window
// manager: the map request reaches the server directly.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <benchmark/benchmark.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <thread>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kMainWidth = 745;
// The editing area's first line, inside the window (frame 11, title bar 33, toolbar 77, ruler
// 25), left of nothing but text: the caret stands at x 11..13.
constexpr int kTextLeft = 20;
constexpr int kTextTop = 148;
constexpr int kTextWidth = 200;
constexpr int kTextHeight = 16;

fs::path ProgramPath() {
  return fs::canonical("/proc/self/exe").parent_path().parent_path() / "app" / "tarvik";
}

struct Sandbox {
  fs::path dir = fs::temp_directory_path() / ("tarvik-startup-" + std::to_string(getpid()));
  Sandbox() {
    fs::create_directories(dir / "home");
    fs::create_directories(dir / "run");
    fs::permissions(dir / "run", fs::perms::owner_all, fs::perm_options::replace);
  }
  ~Sandbox() { fs::remove_all(dir); }
};

// Starts an Xvfb when there is no display; it lives as long as the benchmark program.
pid_t g_xvfb = 0;

void EnsureDisplay() {
  if (std::getenv("DISPLAY")) return;
  int number = 150;
  while (fs::exists("/tmp/.X" + std::to_string(number) + "-lock")) ++number;
  const std::string display = ":" + std::to_string(number);
  const pid_t pid = fork();
  if (pid == 0) {
    std::freopen("/dev/null", "w", stderr);
    execlp("Xvfb", "Xvfb", display.c_str(), "-noreset", "-screen", "0", "1280x1024x24", "-nolisten",
           "tcp", static_cast<char*>(nullptr));
    _exit(127);
  }
  g_xvfb = pid;
  setenv("DISPLAY", display.c_str(), 1);
  for (int attempt = 0; attempt < 100; ++attempt) {
    if (Display* probe = XOpenDisplay(nullptr)) {
      XCloseDisplay(probe);
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  throw std::runtime_error("Xvfb did not start");
}

pid_t StartProgram(const Sandbox& sandbox, const std::string& argument) {
  const pid_t pid = fork();
  if (pid == 0) {
    setenv("TARVIK_ANIMATION", "0", 1);
    setenv("HOME", (sandbox.dir / "home").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (sandbox.dir / "home" / ".config").c_str(), 1);
    setenv("XDG_DATA_HOME", (sandbox.dir / "home" / ".local" / "share").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (sandbox.dir / "run").c_str(), 1);
    setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 1);
    setenv("QT_FONT_DPI", "96", 1);
    unsetenv("QT_QPA_PLATFORM");
    std::freopen("/dev/null", "w", stderr);
    const std::string program = ProgramPath().string();
    if (argument.empty())
      execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    else
      execl(program.c_str(), program.c_str(), argument.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  return pid;
}

void StopProgram(pid_t pid) {
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

// Waits for the main window (the 745 pixels wide top-level window) to be mapped.
Window WaitForMainWindow(Display* display) {
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type != MapNotify) continue;
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, event.xmap.window, &attributes) &&
        attributes.width >= kMainWidth)
      return event.xmap.window;
  }
}

// The first line of the editing area shows text: mostly the field's light colour with some
// dark glyph pixels (an unpainted window is neither).
bool DocumentPainted(Display* display, Window window) {
  XImage* image =
      XGetImage(display, window, kTextLeft, kTextTop, kTextWidth, kTextHeight, AllPlanes, ZPixmap);
  if (!image) return false;
  int light = 0, dark = 0;
  for (int y = 0; y < kTextHeight; ++y)
    for (int x = 0; x < kTextWidth; ++x) {
      const unsigned long pixel = XGetPixel(image, x, y);
      const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF;
      if (r > 240 && g > 220) ++light;
      if (g < 120) ++dark;
    }
  XDestroyImage(image);
  return light > kTextWidth * kTextHeight / 2 && dark > 10;
}

// One connection for the whole run: an X server resets when its last client leaves, and a
// connection attempted during the reset fails.
Display* TheDisplay() {
  static Display* display = [] {
    Display* opened = XOpenDisplay(nullptr);
    if (!opened) throw std::runtime_error("no X display");
    XSelectInput(opened, DefaultRootWindow(opened), SubstructureNotifyMask);
    return opened;
  }();
  return display;
}

double TimeOneStart(const Sandbox& sandbox, const std::string& argument, bool waitForText) {
  Display* display = TheDisplay();
  XSync(display, True);  // forget the events of earlier runs
  const auto start = Clock::now();
  const pid_t pid = StartProgram(sandbox, argument);
  const Window window = WaitForMainWindow(display);
  if (waitForText)
    while (!DocumentPainted(display, window))
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  StopProgram(pid);
  return seconds;
}

std::string Cp1251Escaped(const std::u16string& word) {
  std::string out;
  char code[8];
  for (const char16_t c : word) {
    // Cyrillic А..я are 0x410..0x44F in Unicode and 0xC0..0xFF in code page 1251.
    std::snprintf(code, sizeof code, "\\'%02x", static_cast<unsigned>(c - 0x410 + 0xC0));
    out += code;
  }
  return out;
}

// Documents of about 10 MB, as the editor writes them (Cyrillic text in code page 1251, a
// format change every few words), in long paragraphs or in short ones of one line each.
enum DocumentKind { dkLongParagraphs, dkShortParagraphs };

fs::path LargeDocument(const Sandbox& sandbox, DocumentKind kind) {
  const fs::path path = sandbox.dir / (kind == dkLongParagraphs ? "long.rtf" : "short.rtf");
  std::ofstream out(path, std::ios::binary);
  out << "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset204 Arial;}}"
         "{\\colortbl ;\\red0\\green0\\blue128;}\r\n\\pard\\f0\\fs20 ";
  const std::u16string words[] = {u"документ", u"редактор", u"строка", u"абзац",  u"шрифт",
                                  u"и",        u"на",       u"Привет", u"текста", u"формат"};
  const char* formats[] = {"\\b ", "\\b0 ", "\\i ", "\\i0 ", "\\cf1 ", "\\cf0 "};
  const int runsPerParagraph = kind == dkLongParagraphs ? 8 : 2;
  for (int i = 0; out.tellp() < 10 * 1024 * 1024; ++i) {
    for (int run = 0; run < runsPerParagraph; ++run) {
      out << formats[(i + run) % 6];
      for (int w = 0; w < 6; ++w) out << Cp1251Escaped(words[(i * 7 + run * 3 + w) % 10]) << ' ';
    }
    out << "\\par\r\n";
  }
  out << "}";
  return path;
}

void BM_StartToMainWindowMapped(benchmark::State& state) {
  Sandbox sandbox;
  for (auto _ : state) state.SetIterationTime(TimeOneStart(sandbox, "", false));
}
BENCHMARK(BM_StartToMainWindowMapped)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

void BM_StartWith10MbDocumentToFirstScreen(benchmark::State& state) {
  Sandbox sandbox;
  const fs::path document = LargeDocument(sandbox, static_cast<DocumentKind>(state.range(0)));
  state.SetLabel(state.range(0) == dkLongParagraphs ? "long paragraphs" : "one-line paragraphs");
  state.counters["bytes"] = static_cast<double>(fs::file_size(document));
  for (auto _ : state) state.SetIterationTime(TimeOneStart(sandbox, document.string(), true));
}
BENCHMARK(BM_StartWith10MbDocumentToFirstScreen)
    ->Arg(dkLongParagraphs)
    ->Arg(dkShortParagraphs)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
  EnsureDisplay();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (g_xvfb > 0) StopProgram(g_xvfb);
  return 0;
}
