#include "cli/PictureSupport.h"

#include <dlfcn.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace quorvex::cli {

namespace {

// Beside the program (a build folder), then where it is installed.
std::vector<std::string> ModulePlaces()
{
    std::vector<std::string> places;
    std::string self(4096, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", self.data(), self.size());
    if (length > 0) {
        self.resize(static_cast<std::size_t>(length));
        places.push_back(self.substr(0, self.rfind('/') + 1) + "quorvex-pictures.so");
    }
    places.push_back(QUORVEX_PICTURES_MODULE);
    return places;
}

} // namespace

// The decoder links Qt: it is loaded only when pictures are compared, so that the
// other commands start (and stay) small.
std::unique_ptr<PictureReader> MakePictureReader()
{
    for (const std::string& place : ModulePlaces()) {
        void* module = ::dlopen(place.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr)
            continue;
        using Make = PictureReader* (*)();
        if (const auto make = reinterpret_cast<Make>(::dlsym(module, "QuorvexPictureReader")))
            return std::unique_ptr<PictureReader>(make());
    }
    return nullptr;
}

} // namespace quorvex::cli
