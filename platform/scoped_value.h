#pragma once
// Sets a variable for the length of a scope and puts the old value back when the scope
// ends, also when a hook called inside it throws.

template <typename T>
class ScopedValue {
public:
    ScopedValue(T &target, T value) : target_(target), saved_(target) { target_ = value; }
    ~ScopedValue() { target_ = saved_; }
    ScopedValue(const ScopedValue &) = delete;
    ScopedValue &operator=(const ScopedValue &) = delete;

private:
    T &target_;
    T saved_;
};
