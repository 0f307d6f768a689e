// Fills the share tree for the selected appliance; runs on the share-loading worker.
#pragma once

class CQuickmapDlg;

// Changes nothing once the page has moved on from the generation the worker was started for.
void LoadSharePage(CQuickmapDlg& window, unsigned generation);
