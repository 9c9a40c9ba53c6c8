#pragma once
// Answers WM_PAINT by drawing the whole client area off screen first and
// copying it in one go, so that a window repainted often does not flicker.
#include <windows.h>

#include <algorithm>

namespace surva::win32 {

template <class Draw>  // void(HDC, const RECT& client)
void paintOffscreen(HWND hwnd, Draw draw) {
  PAINTSTRUCT ps;
  HDC target = BeginPaint(hwnd, &ps);
  RECT client;
  GetClientRect(hwnd, &client);
  HDC dc = CreateCompatibleDC(target);
  HBITMAP bitmap = CreateCompatibleBitmap(target, std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1));
  HGDIOBJ old = SelectObject(dc, bitmap);
  draw(dc, client);
  BitBlt(target, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  EndPaint(hwnd, &ps);
}

}  // namespace surva::win32
