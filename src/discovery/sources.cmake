qm_portable_sources(discovery/datagram.cpp discovery/device_registry.cpp discovery/device_list_rows.cpp
                    discovery/reply_intake.cpp discovery/mac_address.cpp discovery/magic_packet.cpp
                    discovery/remembered_appliances.cpp discovery/device_address.cpp)
qm_windows_sources(discovery/datagram_exchange.cpp discovery/device_scan.cpp discovery/host_lookup.cpp
                   discovery/address_query.cpp discovery/wake_on_lan.cpp discovery/remembered_store.cpp)
