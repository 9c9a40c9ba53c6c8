#pragma once
// The string grid as our own window class (the common controls have no
// grid). The model (ui::StringGrid) holds cells, selection, editing and
// the keyboard and mouse rules in 96-DPI pixels; this window paints the
// visible rows only, scrolls, hosts the in-place editor, and turns window
// messages into the model's input calls. Test drivers read cells back
// through the probe messages of win32/grid_probe.h.
#include "win32/backend.h"

namespace surva::win32 {

// The rows and columns a paint of the client area touches, in the model's
// 96-DPI pixels. Kept apart from the painting so that it can be measured.
struct PaintRange {
  int firstRow = 0;  // first data row drawn under the header
  int lastRow = -1;  // inclusive; < firstRow when no data row shows
  int firstCol = 0;
  int lastCol = -1;
};
PaintRange paintRange(const ui::StringGrid& grid, int scrollX, int clientWidth, int clientHeight);

class GridWindow : public WindowPeer {
 public:
  GridWindow(Win32Backend& backend, ui::StringGrid& grid);
  ~GridWindow() override;

  static void registerClass(HINSTANCE instance);

  bool handle(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  void command(WORD) override {}
  void rescale() override;

  // Draws the visible cells into `dc` (client coordinates).
  void paint(HDC dc, const RECT& client);

 protected:
  void onProperty(ui::Property what) override;

 private:
  static LRESULT CALLBACK editorProc(HWND w, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR data);
  void updateScrollBars();
  void showBar(int bar, bool& shown, bool on);
  void syncEditor();
  void placeEditor();
  void scrollVertical(int code);
  void scrollHorizontal(int code);
  void clampScrollX();
  int totalWidth() const;
  int clientWidthLogical() const;
  int clientHeightLogical() const;
  POINT logical(LPARAM lp) const;
  bool tabMove(bool back);

  ui::StringGrid& grid_;
  HWND editor_ = nullptr;
  int scrollX_ = 0;  // 96-DPI pixels scrolled to the right
  int wheelRest_ = 0;
  int probeCol_ = -1;  // -1: the current cell
  int probeRow_ = -1;
  bool updatingScroll_ = false;
  bool vShown_ = false;
  bool hShown_ = false;
};

}  // namespace surva::win32
