#include <gtest/gtest.h>

#include <string>

#include "net/downloadtransfer.h"
#include "print/ui/printpreviewrequest.h"
#include "widgets/optionalmodule.h"

namespace pirumo::test {
namespace {

// The modules are found from the build tree as from an installed program; what is missing is
// named in the message.
TEST(OptionalModuleTest, FindsTheProgramsModulesAndNamesWhatIsMissing) {
    EXPECT_NE(OptionalModuleFunction(kPrintSupportModule, kOpenPrintPreviewSymbol), nullptr);
    EXPECT_NE(OptionalModuleFunction(kNetworkModule, kNewDownloadTransferSymbol), nullptr);

    const struct {
        const char* module;
        const char* symbol;
        const char* message;
    } missing[] = {
        {"pirumo_nosuchmodule", "Anything", "libpirumo_nosuchmodule.so が見つかりません"},
        {kNetworkModule, "PirumoNoSuchFunction", "PirumoNoSuchFunction がありません"},
    };
    for (const auto& [module, symbol, message] : missing) {
        SCOPED_TRACE(module);
        try {
            OptionalModuleFunction(module, symbol);
            ADD_FAILURE() << "found";
        } catch (const OptionalModuleError& error) {
            const std::string said = error.what();
            EXPECT_NE(said.find(message), std::string::npos) << said;
            EXPECT_NE(said.find("入れ直してください"), std::string::npos) << said;
        }
    }
}

}  // namespace
}  // namespace pirumo::test
