# Picks the backend folders for the target platform. Nothing above os/ and ui/
# asks which platform it is built for.
if(WIN32)
  set(KELVORAN_OS_BACKEND win32)
  set(KELVORAN_UI_BACKEND win32)
  # 32-bit Windows: exports and the host callback use stdcall. On x64 the
  # keyword is accepted and means the one calling convention there is.
  set(KELVORAN_STDCALL __stdcall)
else()
  set(KELVORAN_OS_BACKEND posix)
  set(KELVORAN_UI_BACKEND headless)
  set(KELVORAN_STDCALL "")
endif()
add_compile_definitions(KV_STDCALL=${KELVORAN_STDCALL})

if(KELVORAN_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
