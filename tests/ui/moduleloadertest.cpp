#include <gtest/gtest.h>

#include <fstream>

#include "../core/testhistory.h"
#include "module/chartmodule.h"
#include "module/moduleloader.h"
#include "net/downloadtransfer.h"
#include "print/ui/printpreviewrequest.h"

namespace pirumo::test {
namespace {

// An interface that the network module does not implement.
class NotTheNetworkModule {
public:
    static constexpr char kModuleName[] = "pirumo-network";
};

}  // namespace
}  // namespace pirumo::test

Q_DECLARE_INTERFACE(pirumo::test::NotTheNetworkModule, "jp.pirumo.test.NotTheNetworkModule/1")

namespace pirumo::test {
namespace {

// Every module is found in the build tree as it is in an installation, as the interface it
// implements.
TEST(ModuleLoaderTest, LoadsEachOfTheProgramsModules) {
    QString error;
    EXPECT_NE(LoadProgramModuleAs<ChartModule>(error), nullptr) << error.toStdString();
    EXPECT_NE(LoadProgramModuleAs<PrintPreviewModule>(error), nullptr) << error.toStdString();
    auto* network = LoadProgramModuleAs<DownloadTransferModule>(error);
    ASSERT_NE(network, nullptr) << error.toStdString();
    EXPECT_FALSE(network->NewTransfer({})->IsFinished());
}

// A module that is missing, is no library or is not the program's is named in Japanese, with
// what to do.
TEST(ModuleLoaderTest, AModuleThatCannotBeLoadedIsExplained) {
    TempFolder folder;
    std::ofstream(folder.Path() / "pirumo-broken.so") << "not a library";
    AddProgramModuleFolder(folder.Path());
    QString error;
    EXPECT_EQ(LoadProgramModuleAs<NotTheNetworkModule>(error), nullptr);
    const QString foreign = error;
    const struct {
        const char* name;
        QString said;
        const char* words;
    } cases[] = {
        {"pirumo-missing", {}, "部品 pirumo-missing.so が見つかりません。"},
        {"pirumo-broken", {}, "部品 pirumo-broken.so を読み込めませんでした"},
        {"pirumo-network", foreign,
         "部品 pirumo-network.so はこのプログラムのものではありません。"},
    };
    for (auto [name, said, words] : cases) {
        SCOPED_TRACE(name);
        if (said.isEmpty()) {
            EXPECT_EQ(LoadProgramModule(QString::fromUtf8(name), said), nullptr);
        }
        EXPECT_TRUE(said.contains(QString::fromUtf8(words))) << said.toStdString();
        EXPECT_TRUE(said.endsWith(QStringLiteral("プログラムを入れ直してください。")));
    }
}

}  // namespace
}  // namespace pirumo::test
