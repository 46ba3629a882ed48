// The Setup > Panel commands as the program carries them out once the files
// are chosen; the windows only choose the files.
#pragma once

#include <string>
#include <vector>

#include "panel/file/panel_file.h"

namespace pumpdrill {

// Whether the panel has no name of its own yet (none, or "TMP.XNL"): Save
// then asks for one, and the dialogs propose none.
bool PanelNeedsName(const State& s);
// The name a panel dialog proposes.
std::string PanelDialogPreset(const State& s);

// Open... once a file is chosen: a file chosen in another folder is first
// copied into the Panels folder (after asking, when a different file of
// that name is there), then the file of its name is loaded from the Panels
// folder. Nothing is loaded when the copy is refused or fails.
PanelFileOutcome OpenChosenPanel(PanelFileTarget& t, const std::string& chosen, Host& host);

// Save As... once a name is chosen: the panel is saved under that name in
// the Panels folder. When the file was chosen in another folder and the
// Panels folder holds a file of that name, the user is asked before it is
// replaced. A refused or failed save keeps the previous name.
PanelFileOutcome SaveChosenPanelAs(PanelFileTarget& t, const std::string& chosen, Host& host);

// Delete... once files are chosen: asks "Delete " and the path for each,
// deletes it on Yes, and reports a file that cannot be deleted. Returns
// how many were deleted.
int DeletePanelFiles(const std::vector<std::string>& paths, Host& host);

}  // namespace pumpdrill
