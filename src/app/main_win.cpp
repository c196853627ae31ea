#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  MessageBoxW(nullptr, L"\u6f84\u671b", L"x", MB_OK);
  return 0;
}
