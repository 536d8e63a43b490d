#pragma once
// Which label names a text box or a list box, for the desktop's screen
// readers: the windows name their boxes by a caption label beside or above
// them, never on the box itself, so a reader that is told nothing says only
// "edit". The backend gives each box the text of the label found here.
//
// The label that names a box is, in the box's own frame or tab page first,
// then anywhere on the window that is seen with it:
// - on its row: the nearest label to its left whose middle lies within the
//   box's height (the captions of a form's rows);
// - else just above it: of what stands nearest above the box across its
//   width, the label whose middle is nearest the box's middle (a list's or
//   a column's heading); another box or button there is the nearer thing,
//   and then nothing above names it.
// A frame's caption names the frame, not a box in it. Only the forms
// layer's layout counts (twips, containers), so the answer stays the same
// while captions change and while controls are hidden or shown.

namespace dravik {

class Control;
class Label;

// `box` is a text box or a list box; null when no label names it.
const Label* namingLabel(const Control& box);

}  // namespace dravik
