// COM for the thread this lives on: one at the top of each thread that uses COM objects, so no call on the way
// has to start it. The window thread asks for OLE, which includes COM.
#pragma once

namespace fw {

class ComApartment {
public:
    enum class Kind { Com, Ole };
    explicit ComApartment(Kind kind = Kind::Com);
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    bool Started() const { return m_started; }
    // Whether an apartment of the OLE kind is alive on the calling thread.
    static bool OleStartedOnThisThread();

private:
    Kind m_kind;
    bool m_started;
};

}  // namespace fw
