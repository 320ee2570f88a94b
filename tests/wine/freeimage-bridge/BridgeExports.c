/* The Windows side of the bridge (compiled with winegcc): the exports named
   in FreeImage64.spec. File names arrive as UTF-16; Wine turns them into Unix
   paths, which go to the Linux FreeImage's byte-string functions (its own
   ...U functions expect a 4-byte wchar_t). */
#include <windows.h>

#include "BridgeCalls.h"

static const int kUnknownFormat = -1;

int WINAPI wl_GetFileTypeU(const WCHAR* name, int size)
{
    char* path = wine_get_unix_file_name(name);
    if (path == NULL)
        return kUnknownFormat;
    int format = bridge_GetFileType(path, size);
    HeapFree(GetProcessHeap(), 0, path);
    return format;
}

int WINAPI wl_GetFIFFromFilenameU(const WCHAR* name)
{
    char* path = wine_get_unix_file_name(name);
    if (path == NULL)
        return kUnknownFormat;
    int format = bridge_GetFIFFromFilename(path);
    HeapFree(GetProcessHeap(), 0, path);
    return format;
}

BOOL WINAPI wl_FIFSupportsReading(int format) { return bridge_FIFSupportsReading(format); }

void* WINAPI wl_LoadU(int format, const WCHAR* name, int flags)
{
    char* path = wine_get_unix_file_name(name);
    if (path == NULL)
        return NULL;
    void* bitmap = bridge_Load(format, path, flags);
    HeapFree(GetProcessHeap(), 0, path);
    return bitmap;
}

unsigned WINAPI wl_GetWidth(void* bitmap) { return bridge_GetWidth(bitmap); }
unsigned WINAPI wl_GetHeight(void* bitmap) { return bridge_GetHeight(bitmap); }
int WINAPI wl_GetImageType(void* bitmap) { return bridge_GetImageType(bitmap); }
unsigned char* WINAPI wl_GetBits(void* bitmap) { return bridge_GetBits(bitmap); }
void WINAPI wl_Unload(void* bitmap) { bridge_Unload(bitmap); }

/* FreeImage calls its hook with the Unix convention; the plug-in's hook uses
   the Windows one, so a Unix-side function passes each message on. */
static void (WINAPI* windowsHook)(int, const char*);

static void ForwardMessage(int format, const char* message)
{
    if (windowsHook)
        windowsHook(format, message);
}

void WINAPI wl_SetOutputMessage(void (WINAPI* hook)(int, const char*))
{
    windowsHook = hook;
    bridge_SetOutputMessage(ForwardMessage);
}
