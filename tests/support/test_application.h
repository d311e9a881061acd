#pragma once
// The application a test fixture needs to measure text (QGuiApplication) or to show windows
// (QApplication), for the fixture's lifetime; on the offscreen platform the test
// environment sets.

template <typename Application> class TestApplication {
public:
    TestApplication() = default;
    TestApplication(const TestApplication &) = delete;
    TestApplication &operator=(const TestApplication &) = delete;

private:
    int argc_ = 1;
    char name_[5] = "test";
    char *argv_[2] = {name_, nullptr};
    Application application_{argc_, argv_};
};
