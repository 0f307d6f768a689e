qm_portable_sources(discovery/datagram.cpp discovery/device_registry.cpp discovery/device_list_rows.cpp
                    discovery/reply_intake.cpp)
qm_windows_sources(discovery/datagram_exchange.cpp discovery/device_scan.cpp discovery/host_lookup.cpp)
