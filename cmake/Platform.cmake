# Picks the backend folders for the target platform. Nothing above os/ and ui/
# asks which platform it is built for.
if(WIN32)
  set(KELVORAN_OS_BACKEND win32)
  set(KELVORAN_UI_BACKEND win32)
  # 32-bit Windows: exports and the host callback use stdcall. On x64 the
  # keyword is accepted and means the one calling convention there is.
  set(KELVORAN_STDCALL __stdcall)
  # 32-bit x86: double arithmetic in SSE2, not in the x87 unit, whose extended
  # precision defeats the rounding of the image conversions (adding and
  # subtracting 2^52 rounds to an integer only at 53 bits).
  # Every machine that runs the tool has SSE2. Set here, not in the toolchain
  # file, so that an existing build folder picks it up at its next configure.
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    add_compile_options(-msse2 -mfpmath=sse)
  endif()
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

# The owner-drawn check box and radio button exist in every build but the
# 32-bit Windows one.
if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(KELVORAN_CHECK_CONTROLS OFF)
else()
  set(KELVORAN_CHECK_CONTROLS ON)
endif()
