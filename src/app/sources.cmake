qm_portable_sources(app/app_globals.cpp app/command_line.cpp app/language.cpp)
qm_windows_sources(app/quickmap_app.cpp app/quickmap_dlg.cpp app/tray_icon.cpp)
