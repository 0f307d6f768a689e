qm_portable_sources(app/app_globals.cpp app/command_line.cpp app/early_entries.cpp app/help_choice.cpp
                    app/help_document.cpp app/help_layout.cpp app/language.cpp app/not_found_report.cpp
                    app/rtf_sections.cpp app/tray_commands.cpp app/wizard_state.cpp)
qm_windows_sources(app/about_dlg.cpp app/add_address_dlg.cpp app/address_add.cpp app/copy_drop.cpp app/help_dlg.cpp
                   app/password_dlg.cpp app/quickmap_app.cpp app/quickmap_dlg.cpp app/open_actions.cpp
                   app/scan_rows.cpp app/share_page.cpp app/sleeping_rows.cpp app/tray_icon.cpp app/tray_menu.cpp
                   app/wizard_link.cpp app/wizard_pages.cpp
                   app/worker_threads.cpp)
