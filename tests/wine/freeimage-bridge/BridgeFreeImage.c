/* The Linux side of the bridge: compiled with plain gcc, because winegcc
   redefines __stdcall to the Microsoft convention, which would silently
   corrupt every call into the Linux FreeImage. */
#include <FreeImage.h>
#include <tiffio.h>

#include "BridgeCalls.h"

static void Discard(FREE_IMAGE_FORMAT format, const char* message)
{
    (void)format;
    (void)message;
}

/* The test output stays readable: FreeImage's messages and libtiff's
   warnings ("unknown tag" on every load) go nowhere. */
__attribute__((constructor)) static void Quiet(void)
{
    FreeImage_SetOutputMessage(Discard);
    TIFFSetErrorHandler(NULL);
    TIFFSetWarningHandler(NULL);
}

void bridge_SetOutputMessage(void (*hook)(int format, const char* message))
{
    FreeImage_SetOutputMessage((FreeImage_OutputMessageFunction)hook);
}

int bridge_GetFileType(const char* path, int size) { return FreeImage_GetFileType(path, size); }
int bridge_GetFIFFromFilename(const char* path) { return FreeImage_GetFIFFromFilename(path); }
int bridge_FIFSupportsReading(int format) { return FreeImage_FIFSupportsReading((FREE_IMAGE_FORMAT)format); }
void* bridge_Load(int format, const char* path, int flags) { return FreeImage_Load((FREE_IMAGE_FORMAT)format, path, flags); }
unsigned bridge_GetWidth(void* bitmap) { return FreeImage_GetWidth((FIBITMAP*)bitmap); }
unsigned bridge_GetHeight(void* bitmap) { return FreeImage_GetHeight((FIBITMAP*)bitmap); }
int bridge_GetImageType(void* bitmap) { return FreeImage_GetImageType((FIBITMAP*)bitmap); }
unsigned char* bridge_GetBits(void* bitmap) { return FreeImage_GetBits((FIBITMAP*)bitmap); }
void bridge_Unload(void* bitmap) { FreeImage_Unload((FIBITMAP*)bitmap); }
