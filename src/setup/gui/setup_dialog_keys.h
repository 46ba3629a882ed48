// The keys of the modal setup dialogs: Enter and Esc typed in an entry
// field or a combo box act on that field only and never close the dialog
// (OK and Cancel close it; so does the title bar's close, as Cancel).
#pragma once

class QDialog;
class QKeyEvent;

namespace pumpdrill {

// True when the key is Enter or Esc and the dialog's focus is in an entry
// field or a combo box: the dialog then leaves the key alone.
bool KeepsKeyInField(const QDialog& dialog, const QKeyEvent& event);

}  // namespace pumpdrill
