// The channel tables are the only controls that follow the mouse wheel: a list or a slider that changed its
// value because the pointer rested on it while the user scrolled would put an unnoticed value into the radio.
#pragma once

class QWidget;

namespace zrt {

// Every drop-down list, slider (not scroll bars) and spin box inside root (now) drops the wheel events it
// gets; they reach the control's parents instead, as over any other part of the window.
void ignoreWheelOnValueControls(QWidget* root);

}  // namespace zrt
