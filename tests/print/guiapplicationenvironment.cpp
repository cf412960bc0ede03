#include <gtest/gtest.h>

#include <QGuiApplication>
#include <memory>

namespace {

// One QGuiApplication for the whole test program (fonts need one), offscreen unless a platform
// was chosen.
class GuiApplicationEnvironment : public testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        mApplication = std::make_unique<QGuiApplication>(mArgc, mArgv);
    }
    void TearDown() override { mApplication.reset(); }

private:
    int mArgc = 1;
    char mName[19] = "pirumo_print_tests";
    char* mArgv[2] = {mName, nullptr};
    std::unique_ptr<QGuiApplication> mApplication;
};

[[maybe_unused]] testing::Environment* const kEnvironment =
    testing::AddGlobalTestEnvironment(new GuiApplicationEnvironment);

}  // namespace
