#pragma once

#include <QObject>
#include <QString>
#include <filesystem>

namespace pirumo {

// Parts of the program that link a large Qt library load it on first use rather than at every
// start: each is a Qt plugin (`NAME.so`) found beside the program or in the installed module
// folder. Returns its root object, loaded once and kept for the program's life, or nullptr with
// `error` saying in Japanese what is missing.
QObject* LoadProgramModule(const QString& name, QString& error);

// The message for a module that is there but is not the one the program expects.
QString ForeignModuleMessage(const QString& name);

// The module that implements `Interface` (named by its kModuleName), or nullptr with `error` set.
template <typename Interface>
Interface* LoadProgramModuleAs(QString& error) {
    const QString name = QString::fromLatin1(Interface::kModuleName);
    QObject* root = LoadProgramModule(name, error);
    if (root == nullptr) {
        return nullptr;
    }
    auto* module = qobject_cast<Interface*>(root);
    if (module == nullptr) {
        error = ForeignModuleMessage(name);
    }
    return module;
}

// Where modules are looked for before the program's own folders: a test's build tree.
void AddProgramModuleFolder(const std::filesystem::path& folder);

}  // namespace pirumo
