#include "cli/png_codec.h"

#include <array>
#include <climits>
#include <dlfcn.h>
#include <memory>
#include <unistd.h>

namespace zarvo::cli {

namespace {

constexpr const char* kModuleName = "libzarvo_png.so";

using EncodeFunction = int (*)(const uint8_t*, int, int, uint8_t**, std::size_t*);
using FreeFunction = void (*)(void*);

struct Codec {
    EncodeFunction encode = nullptr;
    FreeFunction release = nullptr;
};

// The folder of the running program: the module is installed beside zarvo-tool.
std::string ProgramFolder()
{
    std::array<char, PATH_MAX> path{};
    const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size() - 1);
    if (length <= 0) return {};
    const std::string program(path.data(), static_cast<std::size_t>(length));
    const auto slash = program.rfind('/');
    return slash == std::string::npos ? std::string() : program.substr(0, slash + 1);
}

// Beside the program first, then where the build put it (for programs that run the
// commands in-process, such as the tests). The handle stays open until the process
// ends, as a loaded library does.
std::optional<Codec> LoadCodec(std::string& error)
{
    void* module = nullptr;
    for (const std::string& candidate : {ProgramFolder() + kModuleName, std::string(ZARVO_PNG_MODULE_PATH)}) {
        module = ::dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module != nullptr) break;
    }
    if (module == nullptr) {
        const char* reason = ::dlerror();
        error = std::string("cannot load the PNG codec ") + kModuleName + ": " + (reason != nullptr ? reason : "");
        return std::nullopt;
    }
    Codec codec;
    codec.encode = reinterpret_cast<EncodeFunction>(::dlsym(module, "zarvo_png_encode_rgb888"));
    codec.release = reinterpret_cast<FreeFunction>(::dlsym(module, "zarvo_png_free"));
    if (codec.encode == nullptr || codec.release == nullptr) {
        error = std::string("the PNG codec ") + kModuleName + " is incomplete";
        return std::nullopt;
    }
    return codec;
}

}  // namespace

std::optional<std::vector<uint8_t>> EncodePng(const std::vector<uint8_t>& rgb, int width, int height,
                                              std::string& error)
{
    const std::optional<Codec> codec = LoadCodec(error);
    if (!codec) return std::nullopt;
    uint8_t* png = nullptr;
    std::size_t size = 0;
    if (codec->encode(rgb.data(), width, height, &png, &size) != 0) {
        error = "cannot make the PNG image";
        return std::nullopt;
    }
    const std::unique_ptr<uint8_t, FreeFunction> owned(png, codec->release);
    return std::vector<uint8_t>(png, png + size);
}

}  // namespace zarvo::cli
