#include "framework/com_apartment.h"
#include <windows.h>
#include <objbase.h>
#include <ole2.h>

namespace fw {
namespace {
thread_local int t_oleApartments = 0;

bool Start(ComApartment::Kind kind) {
    // S_FALSE (already started here) counts too: every success is balanced by one uninitialise.
    if (kind == ComApartment::Kind::Ole) return SUCCEEDED(::OleInitialize(nullptr));
    // Old OLE's DDE is of no use here, and shell handlers run better without it.
    return SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
}
}  // namespace

ComApartment::ComApartment(Kind kind) : m_kind(kind), m_started(Start(kind)) {
    if (m_started && m_kind == Kind::Ole) ++t_oleApartments;
}

ComApartment::~ComApartment() {
    if (!m_started) return;
    if (m_kind == Kind::Ole) {
        --t_oleApartments;
        ::OleUninitialize();
    } else {
        ::CoUninitialize();
    }
}

bool ComApartment::OleStartedOnThisThread() { return t_oleApartments > 0; }

}  // namespace fw
