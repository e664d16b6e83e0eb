// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QRect>
#include <QSize>

class QMainWindow;
class QWidget;

// Fixed-layout windows on screens too small for them. A window keeps its layout at every
// scale and font, so at a large scale it may not fit the screen; rather than run off it, the
// window shows its content in a scroll area and may be made as small as the screen needs.
namespace quven::kit {

// What a window frame adds around the content: a title bar and thin borders.
constexpr QSize kWindowFrameAllowance(16, 40);

// Whether content of this size, in its window frame, fits the screen's available area (the
// screen without the desktop's panels and docks).
bool fitsAvailableArea(const QSize& content, const QRect& available);

// `content` is the window's fixed-size content, its only child, at its top left. Where the
// content fits the available area of the window's screen, the window takes exactly its size,
// fixed, and nothing else changes. Otherwise the content goes into a scroll area that fills
// the window; the window opens at the largest size that fits and may be resized, from small
// up to the content's size with the scroll bars beside it.
void fitWindowToScreen(QWidget* window, QWidget* content);

// The same for a main window, whose menu bar stands above the content: the content becomes
// its central widget, or the scroll area around it does.
void fitMainWindowToScreen(QMainWindow* window, QWidget* content);

}  // namespace quven::kit
