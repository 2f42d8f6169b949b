# Every target links planetarch_build_settings, so the language level and the warning policy live in
# one place. Warnings are errors only where CMAKE_COMPILE_WARNING_AS_ERROR is set (the `dev` preset
# that `make test` and CI use): a packager's newer compiler may add warnings we have never seen.
add_library(planetarch_build_settings INTERFACE)
target_compile_features(planetarch_build_settings INTERFACE cxx_std_20)
if(MSVC)
  target_compile_options(planetarch_build_settings INTERFACE /W4 /permissive-)
else()
  target_compile_options(planetarch_build_settings INTERFACE -Wall -Wextra -Wpedantic)
endif()
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  # Resolve every symbol at start and make the relocation table read-only, as distributions do.
  target_link_options(planetarch_build_settings INTERFACE -Wl,-z,relro,-z,now)
endif()
target_compile_definitions(planetarch_build_settings INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_TO_ASCII
  QT_NO_CAST_FROM_BYTEARRAY
  QT_NO_URL_CAST_FROM_STRING
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_DISABLE_DEPRECATED_UP_TO=0x060400)
