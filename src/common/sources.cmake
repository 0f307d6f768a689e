qm_windows_sources(common/text_compare_win.cpp)
