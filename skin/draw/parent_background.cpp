#include "skin/draw/parent_background.h"

#include "host/gdi/handles.h"

namespace skin {

void DrawParentBackground(HWND control, HDC dc) {
  HWND parent = control ? GetParent(control) : nullptr;
  if (!parent || !dc) return;
  // The control's position in its parent's client coordinates.
  RECT bounds{};
  GetWindowRect(control, &bounds);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&bounds), 2);
  RECT client{};
  GetClientRect(control, &client);

  host::SavedDc saved(dc);
  POINT origin{};
  GetViewportOrgEx(dc, &origin);
  SetViewportOrgEx(dc, origin.x - bounds.left, origin.y - bounds.top, nullptr);
  OffsetRect(&client, bounds.left, bounds.top);
  IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
  // Sent, not posted: the parent paints into our DC before we return.
  SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SendMessageW(parent, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
}

}  // namespace skin
