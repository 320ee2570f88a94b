# One static library per layer folder. Each links only the layers below it,
# so the build graph is the layer diagram in docs/architecture.md; the
# include check (scripts/check-layers.sh) refuses an #include that points up.
function(kelvoran_layer name)
  add_library(kelvoran_${name} STATIC)
  target_include_directories(kelvoran_${name} PUBLIC ${PROJECT_SOURCE_DIR})
  kelvoran_warnings(kelvoran_${name})
endfunction()
