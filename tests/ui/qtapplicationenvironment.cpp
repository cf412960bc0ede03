#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "module/moduleloader.h"
#include "widgets/gridview.h"
#include "widgets/japanesetranslation.h"

namespace {

// One QApplication for the whole test program, offscreen unless a platform was chosen.
class QtApplicationEnvironment : public testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        mApplication = std::make_unique<QApplication>(mArgc, mArgv);
        // The modules are beside the programs, a folder above the test programs.
        pirumo::AddProgramModuleFolder(PIRUMO_MODULE_BUILD_FOLDER);
        QApplication::setFont(pirumo::GridFont());
        pirumo::InstallJapaneseQtTranslation(*mApplication);
    }
    void TearDown() override { mApplication.reset(); }

private:
    int mArgc = 1;
    char mName[17] = "pirumo_ui_tests";
    char* mArgv[2] = {mName, nullptr};
    std::unique_ptr<QApplication> mApplication;
};

[[maybe_unused]] testing::Environment* const kEnvironment =
    testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
