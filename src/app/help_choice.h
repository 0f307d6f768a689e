// Which help document belongs to the wizard page on show.
#pragma once

enum class WizardPage { Devices, Shares, Finish };

// The device page explains troubleshooting while nothing was found.
int ChooseHelpDocument(WizardPage page, int deviceCount);
