#pragma once
// The measures the windows share, in twips (15 to a pixel at 96 dpi): every
// window's labels, boxes and buttons are the same height, and a label
// beside a box stands level with it, whichever window they are in. The
// window frame is here too, for the backend that draws it and for whoever
// works out what room a window's outer size leaves for its controls.

namespace dravik::metrics {

// One line of label text.
inline constexpr int LabelHeight = 255;
// A one-line text box or check box.
inline constexpr int BoxHeight = 315;
// How much lower a label stands than the box beside it, so that their texts
// are level: half of what the box is taller.
inline constexpr int LabelDrop = (BoxHeight - LabelHeight) / 2;
// One row of a column of captions and values: a box and the gap under it.
inline constexpr int RowHeight = 390;
// A command button.
inline constexpr int ButtonHeight = 375;
// The room between the edge of the client area or a frame and the controls
// nearest it; windows laid out with more room about them keep twice as much.
inline constexpr int Margin = 120;
inline constexpr int WideMargin = 2 * Margin;

// The frame a window's outer size includes: a border on each side, the
// title bar, and the menu bar when the window shows a menu. The client area
// is what is left.
inline constexpr int WindowBorder = 60;
inline constexpr int TitleBarHeight = 285;
inline constexpr int MenuBarHeight = 300;

}  // namespace dravik::metrics
