# Image-processing code is built with optimisation even in Debug builds, so
# that the sanitizer test builds can run it on real images in seconds.
function(kelvoran_optimise_in_debug target)
  target_compile_options(${target} PRIVATE $<$<CONFIG:Debug>:-O2>)
endfunction()
