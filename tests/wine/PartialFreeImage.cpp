// Stands in for a FreeImage DLL of the wrong kind: it has the file-type
// function the reader binds first, and nothing else.
extern "C" __declspec(dllexport) int __stdcall FreeImage_GetFileTypeU(const wchar_t*, int) { return -1; }
