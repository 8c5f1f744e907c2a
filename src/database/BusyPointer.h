#pragma once

namespace quorvel {

// Shows the user that a long operation runs (the hourglass pointer) and that it ended.
class BusyPointer {
public:
    virtual ~BusyPointer() = default;
    virtual void ShowBusy() = 0;
    virtual void ShowNormal() = 0;
};

// A pointer that shows nothing, for callers without a window.
class NoBusyPointer : public BusyPointer {
public:
    void ShowBusy() override {}
    void ShowNormal() override {}
};

// Shows the busy pointer for its lifetime, so that a failure restores the normal one too.
class BusyPointerScope {
public:
    explicit BusyPointerScope(BusyPointer& pointer) : pointer_(pointer) { pointer_.ShowBusy(); }
    ~BusyPointerScope() { pointer_.ShowNormal(); }
    BusyPointerScope(const BusyPointerScope&) = delete;
    BusyPointerScope& operator=(const BusyPointerScope&) = delete;

private:
    BusyPointer& pointer_;
};

}  // namespace quorvel
