#include "video/video_encoder.h"

#include <algorithm>
#include <cctype>
#include <dlfcn.h>
#include <filesystem>
#include <mutex>

namespace video {
namespace {

// Where the video module lies: beside the programs' folder, in lib/sorting-methods/modules,
// both where they are built and where they are installed.
std::filesystem::path ModulePath()
{
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    return program.parent_path().parent_path() / "lib" / "sorting-methods" / "modules" / "sorting-video.so";
}

using MakeEncoder = Backend* (*)(const std::string&, const Format&);

// Loaded once, at the first video; kept until the program ends.
MakeEncoder LoadModule()
{
    static std::once_flag once;
    static MakeEncoder make = nullptr;
    static std::string why;
    std::call_once(once, [] {
        void* module = dlopen(ModulePath().c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module) make = reinterpret_cast<MakeEncoder>(dlsym(module, "sorting_video_encoder"));
        if (!make) why = dlerror();
    });
    if (!make) throw EncodeError("the video module cannot be loaded: " + why);
    return make;
}

}  // namespace

Format::Container ContainerFor(const std::string& path)
{
    std::string end = path.substr(path.size() < 4 ? 0 : path.size() - 4);
    std::transform(end.begin(), end.end(), end.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return end == ".gif" ? Format::Container::Gif : Format::Container::Mp4;
}

Encoder::Encoder(const std::string& path, const Format& format) : backend_(LoadModule()(path, format)) {}

Encoder::~Encoder() = default;

}  // namespace video
