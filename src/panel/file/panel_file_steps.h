// The two halves of TransferPanelConfiguration, on the file at path.
#pragma once

#include <string>

#include "panel/file/panel_file.h"

namespace pumpdrill {

// Reads the file whole, then applies it. A missing or unreadable file is
// reported and changes nothing; returns whether the file was applied.
bool LoadPanelFile(PanelFileTarget& t, const std::string& path, PanelFileOutcome& out, Host& host);

// Normalises the styles, then writes every key over the file's contents
// (other keys stay) through a temporary file. Returns false, having said
// why, when the file could not be written.
bool SavePanelFile(PanelFileTarget& t, const std::string& path, Host& host);

// The message heads of both.
std::string PanelFileQuoted(const std::string& path);

}  // namespace pumpdrill
