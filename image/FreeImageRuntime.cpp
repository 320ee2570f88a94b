// FreeImage bound at run time (the Windows builds): the plug-in loads even
// when the DLL is missing, and the reader then reports why it cannot work.
// KV_FREEIMAGE_DLL names the DLL of the target; KV_FREEIMAGE_DECORATED is 1
// where its exports carry stdcall-decorated names (x86: _Name@bytes).
#include <array>
#include <string>

#include "image/FreeImageBinding.h"
#include "os/DynamicLibrary.h"
#include "os/ModuleFolder.h"

namespace kv::image {

namespace {

// FreeImage's calls use stdcall (the one convention on x64); its wide strings
// are UTF-16, the same code units as char16_t.
using GetFileTypeUFn = int32_t(KV_STDCALL*)(const char16_t*, int32_t);
using GetFIFFromFilenameUFn = int32_t(KV_STDCALL*)(const char16_t*);
using FIFSupportsReadingFn = int32_t(KV_STDCALL*)(int32_t);
using LoadUFn = FIBITMAP*(KV_STDCALL*)(int32_t, const char16_t*, int32_t);
using BitmapUintFn = uint32_t(KV_STDCALL*)(FIBITMAP*);
using BitmapIntFn = int32_t(KV_STDCALL*)(FIBITMAP*);
using GetBitsFn = uint8_t*(KV_STDCALL*)(FIBITMAP*);
using UnloadFn = void(KV_STDCALL*)(FIBITMAP*);

struct Bound {
    GetFileTypeUFn getFileTypeU;
    GetFIFFromFilenameUFn getFIFFromFilenameU;
    FIFSupportsReadingFn fifSupportsReading;
    LoadUFn loadU;
    BitmapUintFn getWidth;
    BitmapUintFn getHeight;
    BitmapIntFn getImageType;
    GetBitsFn getBits;
    UnloadFn unload;
};

struct Export {
    const char* name;
    int argumentBytes; // for the decorated name
};

constexpr std::array<Export, 9> kExports = {{
    {"FreeImage_GetFileTypeU", 8},
    {"FreeImage_GetFIFFromFilenameU", 4},
    {"FreeImage_FIFSupportsReading", 4},
    {"FreeImage_LoadU", 12},
    {"FreeImage_GetWidth", 4},
    {"FreeImage_GetHeight", 4},
    {"FreeImage_GetImageType", 4},
    {"FreeImage_GetBits", 4},
    {"FreeImage_Unload", 4},
}};

std::string ExportName(const Export& e)
{
    std::string name = KV_FREEIMAGE_DECORATED ? "_" : "";
    name += e.name;
    if (KV_FREEIMAGE_DECORATED) {
        name += '@';
        name += std::to_string(e.argumentBytes);
    }
    return name;
}

std::u16string Ascii(const std::string& text) { return std::u16string(text.begin(), text.end()); }

// FreeImage's message hook: x64 exports one name; x86 has a variant whose
// callback uses stdcall, which matches KV_STDCALL.
using MessageFn = void(KV_STDCALL*)(int32_t, const char*);
using SetOutputMessageFn = void(KV_STDCALL*)(MessageFn);
constexpr const char* kSetOutputMessage =
    KV_FREEIMAGE_DECORATED ? "_FreeImage_SetOutputMessageStdCall@4" : "FreeImage_SetOutputMessage";

uint32_t messageCount = 0;
void KV_STDCALL CountMessage(int32_t, const char*) { ++messageCount; }

struct Binding {
    os::DynamicLibrary library;
    Bound bound{};
    std::u16string problem;

    Binding()
    {
        const std::u16string dll = KV_FREEIMAGE_DLL;
        const std::u16string folder = os::OwnModuleFolder();
        // The plug-in's own folder first, then the system's normal search order.
        if (!(!folder.empty() && library.Open(folder + dll)) && !library.Open(dll)) {
            problem = u"ERROR: " + dll + u" was not found (looked in \"" + folder +
                      u"\" and the system search path); result images cannot be read.";
            return;
        }
        std::array<void*, kExports.size()> found{};
        for (std::size_t i = 0; i < kExports.size(); ++i) {
            const std::string name = ExportName(kExports[i]);
            found[i] = library.Symbol(name.c_str());
            if (found[i] == nullptr) {
                problem = u"ERROR: " + dll + u" has no function " + Ascii(name) +
                          u"; result images cannot be read.";
                library.Close();
                return;
            }
        }
        bound = Bound{
            reinterpret_cast<GetFileTypeUFn>(found[0]),  reinterpret_cast<GetFIFFromFilenameUFn>(found[1]),
            reinterpret_cast<FIFSupportsReadingFn>(found[2]), reinterpret_cast<LoadUFn>(found[3]),
            reinterpret_cast<BitmapUintFn>(found[4]),    reinterpret_cast<BitmapUintFn>(found[5]),
            reinterpret_cast<BitmapIntFn>(found[6]),     reinterpret_cast<GetBitsFn>(found[7]),
            reinterpret_cast<UnloadFn>(found[8]),
        };
        // Optional: without the hook a file cut short cannot be told from a whole one.
        if (auto hook = reinterpret_cast<SetOutputMessageFn>(library.Symbol(kSetOutputMessage)))
            hook(&CountMessage);
    }
};

// Made at the first load and kept until the process ends: releasing a DLL from
// inside another DLL's unload (the loader lock is held there) is unsafe.
Binding& TheBinding()
{
    static Binding* binding = new Binding;
    return *binding;
}

const FreeImageFunctions kFunctions = {
    [](const std::u16string& fileName, int32_t size) {
        return TheBinding().bound.getFileTypeU(fileName.c_str(), size);
    },
    [](const std::u16string& fileName) { return TheBinding().bound.getFIFFromFilenameU(fileName.c_str()); },
    [](int32_t format) { return TheBinding().bound.fifSupportsReading(format) != 0; },
    [](int32_t format, const std::u16string& fileName, int32_t flags) {
        return TheBinding().bound.loadU(format, fileName.c_str(), flags);
    },
    [](FIBITMAP* bitmap) { return TheBinding().bound.getWidth(bitmap); },
    [](FIBITMAP* bitmap) { return TheBinding().bound.getHeight(bitmap); },
    [](FIBITMAP* bitmap) { return TheBinding().bound.getImageType(bitmap); },
    [](FIBITMAP* bitmap) { return TheBinding().bound.getBits(bitmap); },
    [](FIBITMAP* bitmap) { TheBinding().bound.unload(bitmap); },
};

} // namespace

const FreeImageFunctions* FreeImage() { return TheBinding().problem.empty() ? &kFunctions : nullptr; }

std::u16string BindingProblem() { return TheBinding().problem; }

uint32_t LoadMessageCount()
{
    TheBinding();
    return messageCount;
}

} // namespace kv::image
