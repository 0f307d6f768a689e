#include "framework/com_apartment.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <thread>

namespace {
using Kind = fw::ComApartment::Kind;

// What a thread can do with COM at one moment.
struct ComState {
    HRESULT create = E_FAIL;  // of a shell link, the object the program's threads need
    bool ole = false;
};

ComState StateNow() {
    ComState state;
    IUnknown* link = nullptr;
    state.create = ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                      reinterpret_cast<void**>(&link));
    if (link) link->Release();
    state.ole = fw::ComApartment::OleStartedOnThisThread();
    return state;
}

// Runs `body` on a thread of its own, as every worker starts without COM.
template <typename Body>
void OnFreshThread(Body body) {
    std::thread(body).join();
}
}  // namespace

TEST(ComApartment, StartsForItsLifeAndEndsWithIt) {
    for (const Kind kind : {Kind::Com, Kind::Ole}) {
        SCOPED_TRACE(kind == Kind::Ole ? "OLE" : "COM");
        ComState inside, after;
        OnFreshThread([&] {
            {
                const fw::ComApartment apartment(kind);
                EXPECT_TRUE(apartment.Started());
                inside = StateNow();
            }
            after = StateNow();
        });
        EXPECT_EQ(S_OK, inside.create);
        EXPECT_EQ(kind == Kind::Ole, inside.ole);
        // An unbalanced start would leave COM running on the thread.
        EXPECT_EQ(CO_E_NOTINITIALIZED, after.create);
        EXPECT_FALSE(after.ole);
    }
}

TEST(ComApartment, InnerOneLeavesTheOuterRunning) {
    const struct {
        Kind outer, inner;
    } cases[] = {{Kind::Ole, Kind::Com}, {Kind::Com, Kind::Ole}, {Kind::Ole, Kind::Ole}};
    for (const auto& c : cases) {
        ComState afterInner, afterOuter;
        OnFreshThread([&] {
            {
                const fw::ComApartment outer(c.outer);
                { const fw::ComApartment inner(c.inner); }
                afterInner = StateNow();
            }
            afterOuter = StateNow();
        });
        EXPECT_EQ(S_OK, afterInner.create);
        EXPECT_EQ(c.outer == Kind::Ole, afterInner.ole);
        EXPECT_EQ(CO_E_NOTINITIALIZED, afterOuter.create);
        EXPECT_FALSE(afterOuter.ole);
    }
}
