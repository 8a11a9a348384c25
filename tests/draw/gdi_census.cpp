#include "gdi_census.h"

#include <cstring>
#include <set>

namespace drawtest {

namespace {

// Never destroyed: the counted functions stay in place to the end of the
// process, and statics destroyed at exit delete GDI objects too.
std::set<HGDIOBJ>& Live() {
  static std::set<HGDIOBJ>& live = *new std::set<HGDIOBJ>;
  return live;
}
long stray = 0;

template <class H>
H Born(H h) {
  if (h) Live().insert(h);
  return h;
}

BOOL Died(HGDIOBJ h, BOOL ok) {
  if (ok && Live().erase(h) == 0) ++stray;
  return ok;
}

decltype(&CreateCompatibleDC) real_CreateCompatibleDC;
decltype(&DeleteDC) real_DeleteDC;
decltype(&DeleteObject) real_DeleteObject;
decltype(&CreateDIBSection) real_CreateDIBSection;
decltype(&CreateBitmap) real_CreateBitmap;
decltype(&CreateCompatibleBitmap) real_CreateCompatibleBitmap;
decltype(&CreateSolidBrush) real_CreateSolidBrush;
decltype(&CreatePatternBrush) real_CreatePatternBrush;
decltype(&CreatePen) real_CreatePen;
decltype(&CreateFontIndirectW) real_CreateFontIndirectW;
decltype(&CreateFontW) real_CreateFontW;
decltype(&CreateRectRgn) real_CreateRectRgn;
decltype(&CreateRectRgnIndirect) real_CreateRectRgnIndirect;
decltype(&ExtCreateRegion) real_ExtCreateRegion;
decltype(&SetWindowRgn) real_SetWindowRgn;

HDC WINAPI Counted_CreateCompatibleDC(HDC dc) { return Born(real_CreateCompatibleDC(dc)); }
BOOL WINAPI Counted_DeleteDC(HDC dc) { return Died(dc, real_DeleteDC(dc)); }
BOOL WINAPI Counted_DeleteObject(HGDIOBJ h) {
  // Stock objects are never created by the program and deleting them is a no-op.
  const bool counted = Live().count(h) != 0;
  const BOOL ok = real_DeleteObject(h);
  if (counted || GetObjectType(h) == 0) return Died(h, ok);
  return ok;
}
HBITMAP WINAPI Counted_CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                                        DWORD offset) {
  return Born(real_CreateDIBSection(dc, info, usage, bits, section, offset));
}
HBITMAP WINAPI Counted_CreateBitmap(int w, int h, UINT planes, UINT bpp, const void* bits) {
  return Born(real_CreateBitmap(w, h, planes, bpp, bits));
}
HBITMAP WINAPI Counted_CreateCompatibleBitmap(HDC dc, int w, int h) {
  return Born(real_CreateCompatibleBitmap(dc, w, h));
}
HBRUSH WINAPI Counted_CreateSolidBrush(COLORREF c) { return Born(real_CreateSolidBrush(c)); }
HBRUSH WINAPI Counted_CreatePatternBrush(HBITMAP b) { return Born(real_CreatePatternBrush(b)); }
HPEN WINAPI Counted_CreatePen(int style, int width, COLORREF c) { return Born(real_CreatePen(style, width, c)); }
HFONT WINAPI Counted_CreateFontIndirectW(const LOGFONTW* f) { return Born(real_CreateFontIndirectW(f)); }
HFONT WINAPI Counted_CreateFontW(int h, int w, int esc, int orient, int weight, DWORD italic, DWORD underline,
                                 DWORD strike, DWORD charset, DWORD precision, DWORD clip, DWORD quality, DWORD pitch,
                                 LPCWSTR face) {
  return Born(real_CreateFontW(h, w, esc, orient, weight, italic, underline, strike, charset, precision, clip, quality,
                               pitch, face));
}
HRGN WINAPI Counted_CreateRectRgn(int l, int t, int r, int b) { return Born(real_CreateRectRgn(l, t, r, b)); }
HRGN WINAPI Counted_CreateRectRgnIndirect(const RECT* r) { return Born(real_CreateRectRgnIndirect(r)); }
HRGN WINAPI Counted_ExtCreateRegion(const XFORM* x, DWORD size, const RGNDATA* data) {
  return Born(real_ExtCreateRegion(x, size, data));
}

// A region given to a window belongs to the system from then on, which deletes it.
int WINAPI Counted_SetWindowRgn(HWND window, HRGN region, BOOL redraw) {
  const int ok = real_SetWindowRgn(window, region, redraw);
  if (ok && region) Live().erase(region);
  return ok;
}

struct Hook {
  const char* module;
  const char* name;
  void* wrapper;
  void** real;
};

template <class F>
Hook MakeHook(const char* name, F wrapper, F& real, const char* module = "gdi32.dll") {
  return Hook{module, name, reinterpret_cast<void*>(wrapper), reinterpret_cast<void**>(&real)};
}

}  // namespace

bool InstallGdiCensus() {
  static bool installed = false;
  if (installed) return true;
  const Hook hooks[] = {
      MakeHook("CreateCompatibleDC", &Counted_CreateCompatibleDC, real_CreateCompatibleDC),
      MakeHook("DeleteDC", &Counted_DeleteDC, real_DeleteDC),
      MakeHook("DeleteObject", &Counted_DeleteObject, real_DeleteObject),
      MakeHook("CreateDIBSection", &Counted_CreateDIBSection, real_CreateDIBSection),
      MakeHook("CreateBitmap", &Counted_CreateBitmap, real_CreateBitmap),
      MakeHook("CreateCompatibleBitmap", &Counted_CreateCompatibleBitmap, real_CreateCompatibleBitmap),
      MakeHook("CreateSolidBrush", &Counted_CreateSolidBrush, real_CreateSolidBrush),
      MakeHook("CreatePatternBrush", &Counted_CreatePatternBrush, real_CreatePatternBrush),
      MakeHook("CreatePen", &Counted_CreatePen, real_CreatePen),
      MakeHook("CreateFontIndirectW", &Counted_CreateFontIndirectW, real_CreateFontIndirectW),
      MakeHook("CreateFontW", &Counted_CreateFontW, real_CreateFontW),
      MakeHook("CreateRectRgn", &Counted_CreateRectRgn, real_CreateRectRgn),
      MakeHook("CreateRectRgnIndirect", &Counted_CreateRectRgnIndirect, real_CreateRectRgnIndirect),
      MakeHook("ExtCreateRegion", &Counted_ExtCreateRegion, real_ExtCreateRegion),
      MakeHook("SetWindowRgn", &Counted_SetWindowRgn, real_SetWindowRgn, "user32.dll"),
  };
  for (const Hook& h : hooks) {
    HMODULE module = GetModuleHandleA(h.module);
    if (!module) return false;
    *h.real = reinterpret_cast<void*>(GetProcAddress(module, h.name));
  }

  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
  auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (!dir.VirtualAddress) return false;
  int patched = 0;
  for (auto* imp = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); imp->Name; ++imp) {
    const char* module = reinterpret_cast<char*>(base + imp->Name);
    for (auto* thunk = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->FirstThunk); thunk->u1.Function; ++thunk) {
      for (const Hook& h : hooks) {
        if (_stricmp(module, h.module) != 0 || reinterpret_cast<void*>(thunk->u1.Function) != *h.real) continue;
        DWORD old = 0;
        VirtualProtect(&thunk->u1.Function, sizeof thunk->u1.Function, PAGE_READWRITE, &old);
        thunk->u1.Function = reinterpret_cast<decltype(thunk->u1.Function)>(h.wrapper);
        VirtualProtect(&thunk->u1.Function, sizeof thunk->u1.Function, old, &old);
        ++patched;
      }
    }
  }
  installed = patched > 0;
  return installed;
}

long LiveGdiObjects() { return static_cast<long>(Live().size()); }
long StrayGdiDeletions() { return stray; }

}  // namespace drawtest
