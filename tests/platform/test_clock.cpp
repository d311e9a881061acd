#include "platform/clock.h"

#include <QByteArray>

#include <gtest/gtest.h>

// Sets KSIEGA_TODAY for one test and puts back what was there.
class TodayOverride {
public:
    explicit TodayOverride(const QByteArray &value)
        : had_(qEnvironmentVariableIsSet(name)), previous_(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~TodayOverride()
    {
        if (had_)
            qputenv(name, previous_);
        else
            qunsetenv(name);
    }

private:
    static constexpr const char *name = "KSIEGA_TODAY";
    bool had_;
    QByteArray previous_;
};

TEST(Clock, KsiegaTodayReplacesTheSystemDate)
{
    TodayOverride override("2019.03.31");
    EXPECT_EQ(today(), QDate(2019, 3, 31));
    EXPECT_EQ(todayText(), "2019.03.31");
}

TEST(Clock, InvalidKsiegaTodayIsIgnored)
{
    for (const char *value : {"2019.02.30", "31.03.2019", "2019-03-31", "jutro", ""}) {
        TodayOverride override(value);
        const QDate before = QDate::currentDate();
        const QDate seen = today();
        const QDate after = QDate::currentDate();
        EXPECT_TRUE(seen == before || seen == after) << value;
        EXPECT_EQ(todayText().size(), 10) << value;
    }
}
