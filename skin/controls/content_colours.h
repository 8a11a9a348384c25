#pragma once
// The skin's content colours given to the system's own painting: a window's
// WM_CTLCOLOR* answer for the child that asks, when the skin has colours for it.
#include <windows.h>

#include "host/controls/message.h"

namespace skin {

struct SkinElements;

// Answers a WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX, WM_CTLCOLORSTATIC or
// WM_CTLCOLORBTN from the skin's content and face-text colours; false (and
// nothing changed) when the skin gives none for that kind of child.
bool AnswerContentColour(const SkinElements& skin, host::TMessage& m);

// The colour of a caption a control skinner draws on the face: the skin's
// face text when it gives one, else `own`.
COLORREF FaceTextColour(const SkinElements& skin, bool enabled, COLORREF own);

// The colour of a text a control skinner draws on a content picture (a list's
// header): the skin's content text when it gives one, else `own`.
COLORREF ContentTextColour(const SkinElements& skin, COLORREF own);

}  // namespace skin
