// The wizard window's timers (the build writes them out as ids.sh for scripts).
#pragma once

#define ID_TIMER_FIRST_SCAN 888
#define ID_TIMER_LOAD_SHARES 889
#define ID_TIMER_PROGRESS 890
#define ID_TIMER_BACKGROUND_SCAN 891
#define ID_TIMER_WAKE_COUNTDOWN 892
