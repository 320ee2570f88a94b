/* Plain C calls into the Linux FreeImage, implemented in BridgeFreeImage.c.
   That file is compiled with gcc, not winegcc, so these use the System V
   convention the Linux library was built with. Paths are Unix paths. */
#pragma once

int bridge_GetFileType(const char* path, int size);
int bridge_GetFIFFromFilename(const char* path);
int bridge_FIFSupportsReading(int format);
void* bridge_Load(int format, const char* path, int flags);
unsigned bridge_GetWidth(void* bitmap);
unsigned bridge_GetHeight(void* bitmap);
int bridge_GetImageType(void* bitmap);
unsigned char* bridge_GetBits(void* bitmap);
void bridge_Unload(void* bitmap);
void bridge_SetOutputMessage(void (*hook)(int format, const char* message));
