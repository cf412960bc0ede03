#include "widgets/optionalmodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLibrary>
#include <QStringList>
#include <memory>

namespace pirumo {

namespace {

std::string Utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

// Installed: <prefix>/bin/pirumo and <prefix>/lib/pirumo; in the build tree the programs sit in
// the build folder, the test and benchmark programs one folder below it.
QStringList ModuleFolders() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString folder = QStringLiteral(PIRUMO_MODULE_FOLDER);
    return {QDir::cleanPath(programFolder + QStringLiteral("/../") + folder),
            QDir::cleanPath(programFolder + u'/' + folder)};
}

QLibrary& LoadModule(const QString& fileName) {
    static QHash<QString, std::shared_ptr<QLibrary>> loaded;
    if (const auto found = loaded.constFind(fileName); found != loaded.constEnd()) {
        return **found;
    }
    QStringList searched;
    for (const QString& folder : ModuleFolders()) {
        const QString path = folder + u'/' + fileName;
        searched.append(QDir::toNativeSeparators(folder));
        if (!QFileInfo(path).isFile()) {
            continue;
        }
        auto library = std::make_shared<QLibrary>(path);
        if (!library->load()) {
            throw OptionalModuleError("プログラムの部品 " + Utf8(path) + " を読み込めません。\n" +
                                      Utf8(library->errorString()) +
                                      "\nプログラムを入れ直してください。");
        }
        return *loaded.insert(fileName, std::move(library)).value();
    }
    throw OptionalModuleError(
        "プログラムの部品 " + Utf8(fileName) + " が見つかりません（探した場所: " +
        Utf8(searched.join(QStringLiteral("、"))) + "）。\nプログラムを入れ直してください。");
}

}  // namespace

QFunctionPointer OptionalModuleFunction(const char* name, const char* symbol) {
    const QString fileName = QStringLiteral("lib%1.so").arg(QString::fromUtf8(name));
    QLibrary& library = LoadModule(fileName);
    if (QFunctionPointer function = library.resolve(symbol)) {
        return function;
    }
    throw OptionalModuleError("プログラムの部品 " + Utf8(library.fileName()) + " に " + symbol +
                              " がありません。\nプログラムを入れ直してください。");
}

}  // namespace pirumo
