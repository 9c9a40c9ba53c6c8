// The stand-in CAD as a COM server: its application object in the running
// object table, a window listing the drawing, and "Sim" members through
// which tests script the user and read what reached the CAD.
//
//   surva_cad_sim [--progid P] [--register] [--minimized] [--interactive]
//                 [--variable NAME=number ...] [--ready-event E]
//   surva_cad_sim [--progid P] --regserver | --unregserver
//
// The window draws the drawing. Left click picks, a left drag selects by
// window (to the right: wholly inside; to the left: crossing), Enter,
// Space or a right click ends a selection, Esc cancels, the wheel zooms,
// a middle drag pans, Home or a middle double click shows everything.
// Without --interactive, calls that wait for the user take only scripted
// actions and fail when none is queued (tests never hang); with it, a
// person answers them in the window.
//
// --register registers P (default SurvaSim.Application) while the server
// runs and removes it at exit; --regserver / --unregserver only write or
// remove the keys (a CAD installed but not running). A ProgID that already
// names another class is never taken over.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "platform/automation.h"
#include "sim/drawing_view.h"
#include "sim/dump.h"
#include "sim/dxf_reader.h"
#include "sim/insert.h"
#include "sim/objects.h"
#include "sim/window_input.h"
#include "text/error.h"
#include "text/number.h"
#include "win32/busy_message_filter.h"
#include "win32/class_factory.h"
#include "win32/class_registration.h"
#include "win32/com_apartment.h"
#include "win32/com_ptr.h"
#include "win32/dispatch_adapter.h"
#include "win32/dispatch_names.h"
#include "win32/offscreen_paint.h"
#include "win32/dispatch_type_info.h"
#include "win32/services.h"
#include "win32/wide.h"
#include "stand_in_server.h"

using namespace surva;
using platform::Variant;
using platform::VariantArray;
using text::u16;
using text::u16view;

namespace {

// The name every line this tool writes to standard error starts with.
constexpr char kProgram[] = "surva_cad_sim";
constexpr wchar_t kClassIdText[] = L"{896B1D2D-C608-4E3B-BB1D-2DCD1B78FE7A}";
constexpr wchar_t kWindowClass[] = L"SurvaSimCad";
constexpr UINT kRefreshMessage = WM_APP + 1;

struct Options : tools::ServerOptions {
  bool regServer = false;
  bool unregServer = false;
  bool minimized = false;
  bool interactive = false;
  std::vector<std::pair<u16, double>> variables;  // --variable NAME=number
};

bool parseOptions(Options& o) {
  o.progId = u"SurvaSim.Application";
  const char16_t* usage = u"[--progid P] [--register] [--minimized] [--interactive] [--variable NAME=数値] "
                          u"[--ready-event E] | --regserver | --unregserver";
  return tools::parseOptions(kProgram, usage, o, [&o](u16view a, const tools::TakeValue& value) {
    if (a == u"--regserver") o.regServer = true;
    else if (a == u"--unregserver") o.unregServer = true;
    else if (a == u"--minimized") o.minimized = true;
    else if (a == u"--interactive") o.interactive = true;
    else if (a == u"--variable") {
      const auto v = value();
      const auto eq = v ? v->find(u'=') : u16::npos;
      const auto number = eq == u16::npos ? std::nullopt : text::tryParseNumber(u16view(*v).substr(eq + 1));
      if (!number) return false;
      o.variables.emplace_back(v->substr(0, eq), *number);
    } else return false;
    return true;
  });
}

using tools::argAt;
using tools::fail;

// --- the host: window, test members ----------------------------------------

// The client pixel where the window shows a drawing point.
Variant clientPointOf(HWND window, sim::Vec3 p);

class SimHost : public tools::ServerHost {
 public:
  SimHost(std::shared_ptr<sim::Cad> cad, win32::BusyMessageFilter* filter)
      : ServerHost(sim::makeApplication(cad)), cad_(cad), filter_(filter) {}

  // A key reached the CAD's window.
  void key(WPARAM vk, bool down) {
    keys.push_back(text::intToText(static_cast<long long>(vk)) + (down ? u" down" : u" up"));
    cad_->keyEvent(static_cast<std::uint8_t>(vk), down ? 0 : platform::kKeyEventKeyUp);
  }

  HWND window = nullptr;
  std::vector<u16> keys;  // keys that reached the window, "27 down" / "27 up"

  // What the window shows: the layers, then the entities.
  u16 listing() {
    return u"[画層]\n" + text::fromUtf8(sim::dumpLayers(cad_->drawing())) + u"[図形]\n" +
           text::fromUtf8(sim::dumpEntities(cad_->drawing()));
  }

 private:
  static bool is(u16view a, const char16_t* b) { return text::equalsIgnoreAsciiCase(a, b); }

  std::optional<Variant> own(u16view m, const VariantArray& args) override {
    if (is(m, u"HWND")) return Variant(static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(window)));
    if (m.size() < 3 || !is(m.substr(0, 3), u"Sim")) return std::nullopt;
    auto& names = win32::DispatchNames::shared();
    if (auto v = scriptUser(m, args)) return *v;
    if (auto v = readState(m, args)) return *v;
    if (is(m, u"SimEcho")) return argAt(args, 0).deref();
    if (is(m, u"SimFail")) throw platform::AutomationError(argAt(args, 0).toText(), E_FAIL);
    if (is(m, u"SimOut")) {
      // SimOut(ref, value): writes value into the caller's by-reference cell.
      *argAt(args, 0).refCell() = argAt(args, 1).deref();
      return Variant(true);
    }
    if (is(m, u"SimGetIDsOfNamesCount")) {
      long n = args.empty() ? names.lookups() : names.lookups(args[0].toText());
      return Variant(static_cast<std::int32_t>(n));
    }
    if (is(m, u"SimResetCounts")) {
      names.resetLookups();
      cad_->calls().clear();
      win32::dispatch_types::typeInfoRequests() = 0;
      win32::dispatch_types::typeAttrRequests() = 0;
      keys.clear();
      return Variant();
    }
    if (is(m, u"SimBusy")) {
      filter_->beBusyFor(static_cast<DWORD>(argAt(args, 0).toInt()));
      return Variant();
    }
    if (is(m, u"SimRejectedCount")) return Variant(static_cast<std::int32_t>(filter_->rejected()));
    if (is(m, u"SimKeys")) {
      u16 out;
      for (auto& k : keys) out += (out.empty() ? u"" : u",") + k;
      return Variant(out);
    }
    if (is(m, u"SimIsIconic")) return Variant(IsIconic(window) != FALSE);
    if (is(m, u"SimMinimize")) {
      ShowWindow(window, SW_MINIMIZE);
      return Variant(IsIconic(window) != FALSE);
    }
    if (is(m, u"SimIsForeground")) return Variant(GetForegroundWindow() == window);
    if (is(m, u"SimListing")) return Variant(listing());
    if (is(m, u"SimToScreen")) {
      // SimToScreen(point): [x, y], the window's client pixel showing it.
      auto d = argAt(args, 0).toDoubles();
      d.resize(3, 0.0);
      return clientPointOf(window, {d[0], d[1], d[2]});
    }
    if (is(m, u"SimSetVariable")) {
      cad_->drawing().variables().setRaw(argAt(args, 0).toText(), argAt(args, 1).deref());
      return Variant();
    }
    if (is(m, u"SimLoadDxf")) {
      // SimLoadDxf(path): the entities of an R12 DXF file, as drawn by the user.
      auto bytes = files_.readFile(argAt(args, 0).toText());
      if (!bytes) fail(u"ファイルを読めません: " + argAt(args, 0).toText());
      auto content = sim::readDxf(*bytes, codec_);
      return Variant(static_cast<std::int32_t>(sim::insertContent(cad_->drawing(), content, {})));
    }
    if (is(m, u"SimExitAfterCalls")) {
      // The CAD dies in the middle of a command: the process ends inside
      // the call after the next n calls, without answering it.
      cad_->closeAfterCalls(argAt(args, 0).toInt());
      cad_->onClosed = [] { TerminateProcess(GetCurrentProcess(), 9); };
      return Variant();
    }
    if (is(m, u"SimCallTotal")) return Variant(static_cast<std::int32_t>(cad_->calls().records().size()));
    if (is(m, u"SimTypeInfoCount")) {
      return Variant(static_cast<std::int32_t>(win32::dispatch_types::typeInfoRequests()));
    }
    if (is(m, u"SimTypeAttrCount")) {
      return Variant(static_cast<std::int32_t>(win32::dispatch_types::typeAttrRequests()));
    }
    if (is(m, u"SimQuit")) {
      PostMessageW(window, WM_CLOSE, 0, 0);
      return Variant();
    }
    return std::nullopt;
  }

  // SimQueuePickPoint(point), SimQueuePickEntity(handle, point),
  // SimQueueSelect(handles: array or "2F0,2F1"), SimQueueFinish,
  // SimQueueEscape, SimQueueWait(polls), SimQueueClose: what the user does
  // when the CAD next waits for them.
  std::optional<Variant> scriptUser(u16view m, const VariantArray& args) {
    using sim::UserAction;
    auto& user = cad_->user();
    auto point = [&](std::size_t i) {
      if (i >= args.size()) return sim::Vec3{};
      auto d = args[i].toDoubles();
      d.resize(3, 0.0);
      return sim::Vec3{d[0], d[1], d[2]};
    };
    if (is(m, u"SimQueuePickPoint")) user.push(UserAction::pickPoint(point(0)));
    else if (is(m, u"SimQueuePickEntity")) user.push(UserAction::pickEntity(argAt(args, 0).toText(), point(1)));
    else if (is(m, u"SimQueueSelect")) user.push(UserAction::select(handlesOf(argAt(args, 0))));
    else if (is(m, u"SimQueueFinish")) user.push(UserAction::finish());
    else if (is(m, u"SimQueueEscape")) user.push(UserAction::escape());
    else if (is(m, u"SimQueueWait")) user.push(UserAction::wait(argAt(args, 0).toInt()));
    else if (is(m, u"SimQueueClose")) user.push(UserAction::close());
    else return std::nullopt;
    return Variant(static_cast<std::int32_t>(user.size()));
  }

  static std::vector<u16> handlesOf(const Variant& v) {
    std::vector<u16> out;
    if (v.deref().isArray()) {
      for (auto& h : v.toArray()) out.push_back(h.toText());
      return out;
    }
    u16 all = v.toText();
    std::size_t start = 0;
    while (start <= all.size()) {
      std::size_t end = all.find(u',', start);
      if (end == u16::npos) end = all.size();
      if (auto h = text::trim(all.substr(start, end - start)); !h.empty()) out.push_back(h);
      start = end + 1;
    }
    return out;
  }

  // SimEntities, SimLayers, SimCommandLog, SimCalls: text, one line each;
  // SimCallCount(member): automation calls of that member so far;
  // SimPendingActions: scripted user actions not yet taken.
  std::optional<Variant> readState(u16view m, const VariantArray& args) {
    if (is(m, u"SimEntities")) return Variant(text::fromUtf8(sim::dumpEntities(cad_->drawing())));
    if (is(m, u"SimLayers")) return Variant(text::fromUtf8(sim::dumpLayers(cad_->drawing())));
    if (is(m, u"SimCommandLog")) {
      std::string out;
      for (auto& line : cad_->commandLine().log()) out += line + "\n";
      return Variant(text::fromUtf8(out));
    }
    if (is(m, u"SimCalls")) return Variant(text::fromUtf8(cad_->calls().text()));
    if (is(m, u"SimCallCount")) {
      return Variant(static_cast<std::int32_t>(cad_->calls().count(argAt(args, 0).toText())));
    }
    if (is(m, u"SimPendingActions")) return Variant(static_cast<std::int32_t>(cad_->user().size()));
    return std::nullopt;
  }

  std::shared_ptr<sim::Cad> cad_;
  win32::BusyMessageFilter* filter_;
  win32::Win32FileSystem files_;
  win32::AnsiCodePage codec_;
};

SimHost* theHost = nullptr;
std::shared_ptr<sim::Cad> theCad;
bool refreshPosted = false;

// --- the window: the drawing, drawn, and a command line strip --------------

constexpr int kStripLines = 3;
constexpr int kLineHeight = 17;
constexpr int kStripHeight = kStripLines * kLineHeight + 6;
constexpr double kPickBox = 5;  // pixels
constexpr COLORREF kBackground = RGB(33, 40, 48);

// What the mouse is doing in the drawing, and whether an automation call
// waits for the user.
struct Canvas {
  bool interactive = false;  // a person may answer; otherwise only scripted actions do
  bool callWaits = false;
  bool leftDown = false, dragging = false, panning = false;
  POINT down{}, last{}, mouse{-1, -1};
  std::vector<u16> picked;  // selected while the current selection runs
  std::size_t entities = 0;  // how many the window last showed after a call
} canvas;

RECT drawingRect(HWND hwnd) {
  RECT r;
  GetClientRect(hwnd, &r);
  r.bottom = std::max<LONG>(r.top + 1, r.bottom - kStripHeight);
  return r;
}

sim::DrawingView currentView(HWND hwnd) {
  RECT r = drawingRect(hwnd);
  return sim::DrawingView::of(theCad->drawing(), r.right - r.left, r.bottom - r.top);
}

void redraw(HWND hwnd) { InvalidateRect(hwnd, nullptr, FALSE); }

Variant clientPointOf(HWND window, sim::Vec3 p) {
  sim::ScreenPoint s = currentView(window).toScreen(p);
  return Variant(VariantArray{Variant(std::int32_t(std::lround(s.x))), Variant(std::int32_t(std::lround(s.y)))});
}

HFONT textFont(const sim::ScreenText& t) {
  LOGFONTW lf{};
  lf.lfHeight = -static_cast<LONG>(std::lround(t.size));
  lf.lfWidth = static_cast<LONG>(std::lround(t.size * t.widthFactor / 2));  // half-width glyphs are half an em
  lf.lfEscapement = lf.lfOrientation = static_cast<LONG>(std::lround(t.angle * 1800 / 3.14159265358979));
  lf.lfCharSet = SHIFTJIS_CHARSET;
  lf.lfQuality = ANTIALIASED_QUALITY;
  wcscpy(lf.lfFaceName, L"MS Gothic");
  return CreateFontIndirectW(&lf);
}

void paintDrawing(HDC dc, const RECT& area, const sim::DrawingView& view) {
  HBRUSH back = CreateSolidBrush(kBackground);
  FillRect(dc, &area, back);
  DeleteObject(back);
  SetBkMode(dc, TRANSPARENT);
  double w = area.right - area.left, h = area.bottom - area.top;
  for (const auto& shape : sim::shapesOf(theCad->drawing(), view)) {
    bool hot = std::find(canvas.picked.begin(), canvas.picked.end(), shape.handle) != canvas.picked.end();
    COLORREF color = hot ? RGB(255, 160, 0) : RGB(shape.color.r, shape.color.g, shape.color.b);
    HPEN pen = CreatePen(hot ? PS_DOT : PS_SOLID, 1, color);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    for (const auto& stroke : shape.strokes) {
      for (const auto& piece : sim::clipToScreen(stroke, w, h)) {
        std::vector<POINT> pts;
        for (auto p : piece) pts.push_back({static_cast<LONG>(std::lround(p.x)), static_cast<LONG>(std::lround(p.y))});
        if (pts.size() > 1) Polyline(dc, pts.data(), static_cast<int>(pts.size()));
      }
    }
    if (shape.mark && shape.mark->x > -4 && shape.mark->x < w + 4 && shape.mark->y > -4 && shape.mark->y < h + 4) {
      int x = static_cast<int>(std::lround(shape.mark->x)), y = static_cast<int>(std::lround(shape.mark->y));
      RECT dot{x - 1, y - 1, x + 2, y + 2};
      HBRUSH b = CreateSolidBrush(color);
      FillRect(dc, &dot, b);
      DeleteObject(b);
    }
    SelectObject(dc, oldPen);
    DeleteObject(pen);
    // Texts too small to read show as nothing, as in a CAD they show as
    // lines; texts larger than the window are skipped.
    if (shape.text && shape.text->size >= 3 && shape.text->size < 4 * h) {
      const auto& t = *shape.text;
      if (t.anchor.x < -4 * w || t.anchor.x > 5 * w || t.anchor.y < -4 * h || t.anchor.y > 5 * h) continue;
      HFONT font = textFont(t);
      HGDIOBJ oldFont = SelectObject(dc, font);
      SetTextColor(dc, color);
      SetTextAlign(dc, TA_BASELINE | (t.align == 0 ? TA_LEFT : t.align == 1 ? TA_CENTER : TA_RIGHT));
      TextOutW(dc, static_cast<int>(std::lround(t.anchor.x)), static_cast<int>(std::lround(t.anchor.y)),
               win32::wideOf(t.text), static_cast<int>(t.text.size()));
      SelectObject(dc, oldFont);
      DeleteObject(font);
    }
  }
  if (canvas.dragging) {
    // A window to the right is solid, a crossing window to the left dotted.
    bool crossing = canvas.last.x < canvas.down.x;
    HPEN pen = CreatePen(crossing ? PS_DOT : PS_SOLID, 1, crossing ? RGB(80, 220, 120) : RGB(90, 150, 255));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, canvas.down.x, canvas.down.y, canvas.last.x, canvas.last.y);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
  }
}

// The last lines of the command line, the prompt, and the cursor's coordinates.
void paintStrip(HDC dc, const RECT& client, const sim::DrawingView& view) {
  RECT strip{client.left, client.bottom - kStripHeight, client.right, client.bottom};
  FillRect(dc, &strip, reinterpret_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  static HFONT font = CreateFontW(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0,
                                  L"MS Gothic");
  HGDIOBJ old = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextAlign(dc, TA_TOP | TA_LEFT);
  SetTextColor(dc, RGB(0, 0, 0));
  std::vector<u16> lines;
  const auto& log = theCad->commandLine().log();
  for (std::size_t i = log.size() > kStripLines - 1 ? log.size() - (kStripLines - 1) : 0; i < log.size(); ++i)
    lines.push_back(text::fromUtf8(log[i]));
  while (lines.size() < kStripLines - 1) lines.insert(lines.begin(), u16());
  lines.push_back(sim::promptOf(*theCad, canvas.callWaits));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    TextOutW(dc, 6, strip.top + 3 + static_cast<int>(i) * kLineHeight, win32::wideOf(lines[i]),
             static_cast<int>(lines[i].size()));
  }
  if (canvas.mouse.x >= 0) {
    sim::Vec3 p = view.toWorld({double(canvas.mouse.x), double(canvas.mouse.y)});
    u16 where = text::formatFixed(p.x, 4) + u", " + text::formatFixed(p.y, 4);
    SetTextAlign(dc, TA_TOP | TA_RIGHT);
    TextOutW(dc, strip.right - 6, strip.bottom - kLineHeight - 3, win32::wideOf(where), static_cast<int>(where.size()));
  }
  SelectObject(dc, old);
}

void paint(HWND hwnd) {
  win32::paintOffscreen(hwnd, [hwnd](HDC dc, const RECT& client) {
    sim::DrawingView view = currentView(hwnd);
    paintDrawing(dc, drawingRect(hwnd), view);
    paintStrip(dc, client, view);
  });
}

void deliver(HWND hwnd, sim::UserAction action) {
  if (action.kind == sim::UserAction::Kind::Select || action.kind == sim::UserAction::Kind::PickEntity) {
    if (canvas.callWaits)
      for (auto& h : action.handles) canvas.picked.push_back(h);
  }
  sim::deliverUserAction(*theCad, canvas.callWaits, std::move(action));
  redraw(hwnd);
}

void mouseUp(HWND hwnd, POINT at) {
  sim::DrawingView view = currentView(hwnd);
  auto shapes = sim::shapesOf(theCad->drawing(), view);
  if (canvas.dragging) {
    auto handles = sim::selectByWindow(shapes, {double(canvas.down.x), double(canvas.down.y)}, {double(at.x), double(at.y)});
    canvas.dragging = false;
    deliver(hwnd, sim::UserAction::select(std::move(handles)));
    return;
  }
  sim::Vec3 world = view.toWorld({double(at.x), double(at.y)});
  u16 handle = sim::pickAt(shapes, {double(at.x), double(at.y)}, kPickBox);
  deliver(hwnd, handle.empty() ? sim::UserAction::pickPoint(world) : sim::UserAction::pickEntity(handle, world));
}

void zoomToExtents(HWND hwnd) {
  sim::DrawingView view = currentView(hwnd);
  view.fitAll(sim::shapesOf(theCad->drawing(), view));
  view.storeIn(theCad->drawing());
  redraw(hwnd);
}

// A plot into an empty drawing (or far from what the view shows) would
// otherwise leave the window blank until the user presses Home.
void showNewEntities(HWND hwnd) {
  std::size_t count = theCad->drawing().entities().size();
  bool added = count > canvas.entities;
  canvas.entities = count;
  if (!added) return;
  sim::DrawingView view = currentView(hwnd);
  auto shapes = sim::shapesOf(theCad->drawing(), view);
  if (view.showsAny(shapes)) return;
  view.fitAll(shapes);
  view.storeIn(theCad->drawing());
}

LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  POINT at{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
  switch (msg) {
    case WM_PAINT: paint(hwnd); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SIZE:
      redraw(hwnd);
      return 0;
    case kRefreshMessage:
      refreshPosted = false;
      showNewEntities(hwnd);
      redraw(hwnd);
      return 0;
    case WM_LBUTTONDOWN:
      SetFocus(hwnd);
      SetCapture(hwnd);
      canvas.leftDown = true;
      canvas.down = canvas.last = at;
      return 0;
    case WM_MBUTTONDOWN:
      SetCapture(hwnd);
      canvas.panning = true;
      canvas.last = at;
      return 0;
    case WM_MOUSEMOVE:
      if (canvas.panning) {
        sim::DrawingView view = currentView(hwnd);
        view.panBy(at.x - canvas.last.x, at.y - canvas.last.y);
        view.storeIn(theCad->drawing());
      } else if (canvas.leftDown && (std::abs(at.x - canvas.down.x) > 4 || std::abs(at.y - canvas.down.y) > 4)) {
        canvas.dragging = true;
      }
      canvas.last = canvas.mouse = at;
      redraw(hwnd);
      return 0;
    case WM_LBUTTONUP:
      if (!canvas.leftDown) return 0;
      canvas.leftDown = false;
      ReleaseCapture();
      mouseUp(hwnd, at);
      return 0;
    case WM_MBUTTONUP:
      canvas.panning = false;
      ReleaseCapture();
      return 0;
    case WM_MBUTTONDBLCLK: zoomToExtents(hwnd); return 0;
    case WM_RBUTTONUP: deliver(hwnd, sim::UserAction::finish()); return 0;  // as Enter, the CAD's habit
    case WM_MOUSEWHEEL: {
      POINT p = at;
      ScreenToClient(hwnd, &p);
      sim::DrawingView view = currentView(hwnd);
      view.zoomAt({double(p.x), double(p.y)}, GET_WHEEL_DELTA_WPARAM(wp) > 0 ? 1.25 : 0.8);
      view.storeIn(theCad->drawing());
      redraw(hwnd);
      return 0;
    }
    case WM_KEYDOWN:
      if (wp == VK_RETURN || wp == VK_SPACE) deliver(hwnd, sim::UserAction::finish());
      else if (wp == VK_ESCAPE && canvas.callWaits) deliver(hwnd, sim::UserAction::escape());
      else if (wp == VK_HOME) zoomToExtents(hwnd);
      return 0;
    default:
      return tools::defaultWindowProc(hwnd, msg, wp, lp);
  }
}

// Takes one message: keys that reach the CAD's window are also its keys.
bool pumpOne(SimHost& host) {
  MSG msg;
  if (GetMessageW(&msg, nullptr, 0, 0) <= 0) return false;
  if ((msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) && (msg.hwnd == host.window || IsChild(host.window, msg.hwnd)))
    host.key(msg.wParam, msg.message == WM_KEYDOWN);
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
  return true;
}

// A call that waits for the user (GetPoint, GetEntity, SelectOnScreen)
// with nothing scripted: a person answers in the window. Scripted calls
// reaching the server meanwhile (SimQueue...) answer too.
bool waitForPerson(SimHost& host) {
  if (!canvas.interactive) return false;
  canvas.callWaits = true;
  // Drivers that play the person see from this property when to act.
  SetPropW(host.window, L"SurvaSimWaits", reinterpret_cast<HANDLE>(1));
  redraw(host.window);
  bool alive = true;
  while (theCad->user().empty() && (alive = pumpOne(host))) {
  }
  canvas.callWaits = false;
  RemovePropW(host.window, L"SurvaSimWaits");
  redraw(host.window);
  if (!alive) {
    PostQuitMessage(0);  // the window closed: the call fails, the server ends after it
    return false;
  }
  return true;
}

// Serves until the window closes, with COM started and the class registered.
int runServer(HINSTANCE instance, const Options& options) {
  auto filter = win32::ComPtr<win32::BusyMessageFilter>::adopt(win32::BusyMessageFilter::Create());
  win32::ComPtr<IMessageFilter> previousFilter;
  CoRegisterMessageFilter(filter.get(), previousFilter.put());

  static win32::Win32FileSystem files;
  static win32::AnsiCodePage codec;
  auto cad = std::make_shared<sim::Cad>(files, codec);
  for (auto& [name, value] : options.variables) cad->drawing().variables().setRaw(name, Variant(value));
  auto host = std::make_shared<SimHost>(cad, filter.get());
  theHost = host.get();
  theCad = cad;
  canvas.interactive = options.interactive;
  cad->user().onStarved = [] { return theHost && waitForPerson(*theHost); };
  // Right of Surva, which the sample settings place at the screen's left edge.
  host->window = tools::createServerWindow(kProgram, instance, kWindowClass, windowProc, MAKEINTRESOURCEW(32515),
                                           u"SurvaSim CAD - " + options.progId, {404, 0, 404 + 820, 640},
                                           options.minimized ? SW_SHOWMINIMIZED : SW_SHOWNORMAL);
  if (!host->window) return 5;
  win32::DispatchAdapter::setAfterInvoke([] {
    // What a selection picked stays marked until its call returns.
    if (!canvas.callWaits) canvas.picked.clear();
    if (!refreshPosted && theHost) refreshPosted = PostMessageW(theHost->window, kRefreshMessage, 0, 0);
  });
  const int exitCode = tools::serve(kProgram, kClassIdText, host, true, options.readyEvent, [&] {
    while (pumpOne(*host)) {
    }
  });
  cad->user().onStarved = nullptr;
  theHost = nullptr;
  theCad.reset();
  CoRegisterMessageFilter(previousFilter.get(), nullptr);
  return exitCode;
}

int run(HINSTANCE instance) {
  Options options;
  if (!parseOptions(options)) return 2;
  const u16 classId = win32::fromWideZ(kClassIdText);
  if (options.unregServer) {
    win32::ClassRegistration::remove(options.progId, classId);
    return 0;
  }
  if (options.regServer) {
    auto registration = tools::registerClass(kProgram, options.progId, classId);
    if (!registration) return 3;
    registration->keep();
    return 0;
  }
  return tools::withComServer(kProgram, kClassIdText, options, [&] { return runServer(instance, options); });
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  return tools::reportingMain(kProgram, [instance] { return run(instance); });
}
