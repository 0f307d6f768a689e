// Sections of plain text added to the end of an RTF help document, in the help's own paragraph styles.
#pragma once
#include "app/not_found_report.h"
#include <string>
#include <vector>

// Text in code page 1252, as the help documents declare; RTF's control characters and bytes beyond ASCII
// are escaped, so no text can change the document's structure.
std::string AppendRtfSections(const std::string& document, const std::vector<HelpSection>& sections);
