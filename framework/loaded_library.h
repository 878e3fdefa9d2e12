// Shared libraries the program loads by name while it runs (the HTML
// viewer), so that a missing library is an answer and not a start failure.
//
//     LoadedLibrary library;
//     if (library.Load("velmora-htmlview"))          // libvelmora-htmlview.so
//         auto init = library.Function<int (*)(void*)>("velmora_viewer_init");
//
// A base name is looked for, in order, in the executable's folder, in the
// library folder beside it (<executable folder>/../lib, where the build tree
// and an installed tree keep the program's libraries) and in the library
// folder the program was installed with. The library is unloaded when the
// object is destroyed; whatever the library made must be gone by then.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

class LoadedLibrary {
public:
    LoadedLibrary();
    ~LoadedLibrary();
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;

    // False when no folder holds a loadable library of that name; a name
    // that is empty or holds a path separator is never looked for.
    bool Load(std::string_view baseName);
    void Unload();
    bool IsLoaded() const;
    // The file that was loaded, empty when none.
    std::string Path() const;

    // An exported function, or null when the library is not loaded or does
    // not export the name.
    template <typename FunctionPointer>
    FunctionPointer Function(const char* name) const
    {
        return reinterpret_cast<FunctionPointer>(Symbol(name));
    }

private:
    using Address = void (*)();
    Address Symbol(const char* name) const;

    struct State;
    std::unique_ptr<State> state_;
};

// The folders Load searches, in order.
std::vector<std::string> librarySearchFolders();

// What the program hands a loaded library's initialisation as its instance:
// the application object (null before it exists).
void* programInstance();

}  // namespace velmora
