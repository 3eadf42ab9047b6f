# The drawing layer's libraries: FreeType and fontconfig for text, libpng for
# pictures written to disk.
find_package(PkgConfig REQUIRED)
pkg_check_modules(VT_GFX REQUIRED IMPORTED_TARGET freetype2 fontconfig libpng)
target_link_libraries(vt_platform PUBLIC PkgConfig::VT_GFX)
