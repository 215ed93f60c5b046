#pragma once

#include "framework/core/WinTypes.h"
#include "framework/gui/LogicalFont.h"

#include <QFont>

#include <array>
#include <functional>

class QWidget;

// The colour and font dialogs. The program asks through these functions;
// the real QColorDialog and QFontDialog answer unless a handler is
// installed, which is how tests answer without a person.

using CustomColors = std::array<COLORREF, 16>;

// Style flags of a colour request. Qt's dialog has no matching options; the
// flags travel to the handler so callers can be checked.
enum ColorDialogFlags : unsigned { CC_DEFAULT = 0, CC_PREVENTFULLOPEN = 0x4, CC_SOLIDCOLOR = 0x80 };

// Answers a colour request: color holds the initial colour and takes the
// chosen one; customColors, when given, is the list offered and takes the
// list as the dialog left it. False for Cancel (then nothing changes).
using ColorDialogHandler = std::function<bool(COLORREF& color, CustomColors* customColors, unsigned flags)>;

// Asks for a colour. With customColors null the dialog offers the custom
// colours the user has kept; otherwise it offers the given list, and the
// user's own list is back in place afterwards. False for Cancel.
bool ChooseColor(COLORREF& color, CustomColors* customColors, unsigned flags, QWidget* parent);
ColorDialogHandler SetColorDialogHandler(ColorDialogHandler handler);

// Answers a font request: font holds the initial font (sized in points)
// and takes the chosen one. False for Cancel.
using FontDialogHandler = std::function<bool(QFont& font)>;

// Asks for a screen font starting from font; on OK font takes the chosen
// face, weight, style and size as a character height in pixels at 96 dpi.
// A face left as the dialog showed it keeps its name, also when the system
// lacks it and the dialog showed a fallback (handed to a handler as such).
// Sizes outside minPoints..maxPoints are brought to the nearest limit.
bool ChooseFont(LogicalFont& font, int minPoints, int maxPoints, QWidget* parent);
FontDialogHandler SetFontDialogHandler(FontDialogHandler handler);
