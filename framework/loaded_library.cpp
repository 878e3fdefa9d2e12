#include "loaded_library.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include "qt_convert.h"

namespace velmora {

struct LoadedLibrary::State {
    QLibrary library;
};

LoadedLibrary::LoadedLibrary() : state_(std::make_unique<State>()) {}

LoadedLibrary::~LoadedLibrary()
{
    Unload();
}

std::vector<std::string> librarySearchFolders()
{
    std::vector<std::string> folders;
    if (QCoreApplication::instance() != nullptr) {
        const QString executableFolder = QCoreApplication::applicationDirPath();
        folders.push_back(qt::toUtf8(executableFolder));
        folders.push_back(qt::toUtf8(QDir::cleanPath(executableFolder + "/../" VELMORA_LIBDIR)));
    }
    folders.emplace_back(VELMORA_INSTALL_LIBDIR);
    return folders;
}

bool LoadedLibrary::Load(std::string_view baseName)
{
    Unload();
    if (baseName.empty() || baseName.find('/') != std::string_view::npos)
        return false;
    const QString fileName = "lib" + qt::toQString(baseName) + ".so";
    for (const std::string& folder : librarySearchFolders()) {
        const QString path = QDir(qt::toQString(folder)).filePath(fileName);
        if (!QFileInfo::exists(path))
            continue;
        state_->library.setFileName(path);
        if (state_->library.load())
            return true;
    }
    state_->library.setFileName(QString());
    return false;
}

void LoadedLibrary::Unload()
{
    if (state_->library.isLoaded())
        state_->library.unload();
}

bool LoadedLibrary::IsLoaded() const
{
    return state_->library.isLoaded();
}

std::string LoadedLibrary::Path() const
{
    return IsLoaded() ? qt::toUtf8(state_->library.fileName()) : std::string();
}

LoadedLibrary::Address LoadedLibrary::Symbol(const char* name) const
{
    if (!IsLoaded() || name == nullptr)
        return nullptr;
    return reinterpret_cast<Address>(state_->library.resolve(name));
}

void* programInstance()
{
    return QCoreApplication::instance();
}

}  // namespace velmora
