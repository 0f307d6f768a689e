qm_portable_sources(webmgmt/reply_list.cpp webmgmt/reply_lookup.cpp webmgmt/redirect_location.cpp
                    webmgmt/basic_credentials.cpp)
qm_windows_sources(webmgmt/appliance_request.cpp webmgmt/appliance_session.cpp
                   webmgmt/utf8_text.cpp)

list(APPEND QM_EXTRA_LIBS wininet)
qm_portable_sources(webmgmt/unique_name.cpp webmgmt/page_templates.cpp webmgmt/new_share_rules.cpp
                    webmgmt/share_to_delete.cpp webmgmt/query_value.cpp)
qm_windows_sources(webmgmt/device_settings.cpp webmgmt/share_operations.cpp webmgmt/add_share_dlg.cpp)
