#include "module/moduleloader.h"

#include <QFileInfo>
#include <QPluginLoader>
#include <vector>

#include "base/programfolder.h"

namespace pirumo {

namespace {

// Every message about a module ends with what the user can do about it.
const QString kReinstall = QStringLiteral("プログラムを入れ直してください。");

std::vector<std::filesystem::path>& ExtraFolders() {
    static std::vector<std::filesystem::path> folders;
    return folders;
}

// The build tree keeps modules beside the programs; an installation keeps them in its library
// folder, given relative to the programs' folder so that the installation can move.
std::vector<std::filesystem::path> ModuleFolders() {
    std::vector<std::filesystem::path> folders = ExtraFolders();
    const std::filesystem::path program = ProgramFolder();
    folders.push_back(program);
    folders.push_back(program / PIRUMO_MODULE_FOLDER_FROM_PROGRAMS);
    return folders;
}

}  // namespace

void AddProgramModuleFolder(const std::filesystem::path& folder) {
    ExtraFolders().push_back(folder);
}

QObject* LoadProgramModule(const QString& name, QString& error) {
    const QString fileName = name + QStringLiteral(".so");
    QString reason;
    for (const std::filesystem::path& folder : ModuleFolders()) {
        const QString path = QString::fromStdString((folder / fileName.toStdString()).string());
        if (!QFileInfo::exists(path)) {
            continue;
        }
        QPluginLoader loader(path);
        if (QObject* root = loader.instance()) {
            return root;
        }
        reason = loader.errorString();
    }
    error = reason.isEmpty()
                ? QStringLiteral("部品 %1 が見つかりません。").arg(fileName)
                : QStringLiteral("部品 %1 を読み込めませんでした（%2）。").arg(fileName, reason);
    error += kReinstall;
    return nullptr;
}

QString ForeignModuleMessage(const QString& name) {
    return QStringLiteral("部品 %1.so はこのプログラムのものではありません。").arg(name) +
           kReinstall;
}

}  // namespace pirumo
