// The application's hint display: tool tips throughout the program, or
// none. The options window switches it at once.
#pragma once

namespace pumpdrill {

// Shows or suppresses every tool tip of the application (needs a
// QApplication).
void SetHintDisplay(bool shown);
bool HintsShown();

}  // namespace pumpdrill
