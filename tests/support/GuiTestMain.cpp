// main() of the desktop tests. The QApplication is created in a gtest environment,
// which runs only after test listing, so that test discovery at build time does
// not need a platform plugin.
#include <QApplication>
#include <gtest/gtest.h>

#include <ctime>
#include <memory>

namespace {

class QtEnvironment : public ::testing::Environment
{
public:
    QtEnvironment(int& argc, char** argv) : argc_(argc), argv_(argv) {}
    void SetUp() override
    {
        // Offscreen unless asked otherwise (Wine passes no QT_* variable on).
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef _WIN32
        // The C runtime reads a Unix zone name in TZ, as Wine passes it on
        // ("Asia/Tokyo"), as UTC; without TZ it follows the system's zone, which
        // Wine takes from that same TZ.
        qunsetenv("TZ");
        _tzset();
#endif
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override
    {
        app_.reset();
    }

private:
    int& argc_;
    char** argv_;
    std::unique_ptr<QApplication> app_;
};

} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new QtEnvironment(argc, argv));
    return RUN_ALL_TESTS();
}
