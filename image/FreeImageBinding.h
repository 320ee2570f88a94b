// The FreeImage functions the reader uses, bound once per process. Natively
// the system library is linked (FreeImageLinked.cpp); on Windows the DLL is
// bound at run time (FreeImageRuntime.cpp), so that a missing DLL never keeps
// the plug-in from loading. CMake picks the file.
#pragma once

#include <cstdint>
#include <string>

struct FIBITMAP;

namespace kv::image {

// Published FreeImage values.
constexpr int32_t FIF_UNKNOWN = -1;
constexpr int32_t FIT_UINT16 = 2;
constexpr int32_t FIT_INT16 = 3;
constexpr int32_t FIT_RGB16 = 9;
constexpr int32_t FIT_RGBA16 = 10;

// File names are UTF-16 here; each binding hands them to FreeImage in the form
// its platform's library takes.
struct FreeImageFunctions {
    int32_t (*GetFileTypeU)(const std::u16string& fileName, int32_t size);
    int32_t (*GetFIFFromFilenameU)(const std::u16string& fileName);
    bool (*FIFSupportsReading)(int32_t format);
    FIBITMAP* (*LoadU)(int32_t format, const std::u16string& fileName, int32_t flags);
    uint32_t (*GetWidth)(FIBITMAP* bitmap);
    uint32_t (*GetHeight)(FIBITMAP* bitmap);
    int32_t (*GetImageType)(FIBITMAP* bitmap);
    uint8_t* (*GetBits)(FIBITMAP* bitmap);
    void (*Unload)(FIBITMAP* bitmap);
};

// The bound functions, or nullptr when FreeImage is not available (then
// BindingProblem says why). The first call binds; later calls reuse it.
const FreeImageFunctions* FreeImage();
std::u16string BindingProblem();
// How many messages FreeImage has given through its message hook in this
// process (a load that adds one had a problem, such as a file cut short);
// stays 0 where the hook cannot be bound.
uint32_t LoadMessageCount();

} // namespace kv::image
