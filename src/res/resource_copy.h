// Resource ids of the copy progress window and the copy messages.
#pragma once

// Dialog template and its controls
#define IDD_COPY_PROGRESS 1024
#define IDC_COPY_FIGURES 103
#define IDC_COPY_STATUS 104
#define IDC_COPY_PROGRESS_BAR 106
#define IDC_COPY_ANIMATION 109

// Animation (AVI) shown while copying, at 100 %, 150 % and 200 % display scaling
#define IDR_COPY_ANIMATION 161
#define IDR_COPY_ANIMATION_144 194
#define IDR_COPY_ANIMATION_192 195

// Strings
#define IDS_COPY_FIGURES 57600
#define IDS_COPY_FIGURES_TIME_LEFT 57601
#define IDS_COPY_FAILED 57602
#define IDS_COPY_STATUS 57603
#define IDS_COPY_LINK_SKIPPED 57604
#define IDS_COPY_INTO_ITSELF 57605
#define IDS_COPY_ARRIVED_INCOMPLETE 57606
#define IDS_QUIT_WHILE_COPYING 57607
