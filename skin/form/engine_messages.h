#pragma once
// The engine's own window messages. Their numbers are fixed: applications
// send and answer some of them.
#include <windows.h>

namespace skin {

inline constexpr UINT kSkinChanged = 0x3401;        // through the host form: re-apply the skin
inline constexpr UINT kRepaintFrame = 0x3502;       // paint the non-client area now
inline constexpr UINT kSkinNow = 0x3503;            // posted after attach (wParam 0, lParam 1000)
inline constexpr UINT kButtonAction = 0x3514;       // posted: a caption button's own Action (wParam)
inline constexpr UINT kButtonVisibleQuery = 0x3515; // sent: wParam Visibility, lParam Action; > 0 shows
inline constexpr UINT kMdiRedraw = 0x3516;          // posted to the MDI client: redraw the main window
inline constexpr UINT kReskinControl = 0x3517;      // posted: give the control (wParam) a fresh skinner
inline constexpr UINT kOpenMenuAt = 0x3518;         // open the menu-bar item under the screen point (lParam)
inline constexpr UINT kSkinnedQuery = 0x3523;       // every skinned window answers 1

inline bool IsSkinned(HWND window) { return SendMessageW(window, kSkinnedQuery, 0, 0) == 1; }

}  // namespace skin
