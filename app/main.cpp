// The editor's entry point. The windows arrive with the main window's code; until then the
// program only reports what it is.
#include <cstdio>

int main() {
  std::puts("tarvik: the editor's windows are not built yet");
  return 0;
}
