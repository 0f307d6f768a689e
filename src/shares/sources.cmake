qm_portable_sources(shares/browser_path.cpp)
