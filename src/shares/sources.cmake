qm_portable_sources(shares/browser_path.cpp)
qm_windows_sources(shares/open_actions.cpp shares/share_page_loader.cpp)
