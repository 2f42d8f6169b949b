# Every target links planetarch_build_settings, so the language level and the warning policy live in
# one place. Warnings are errors only where CMAKE_COMPILE_WARNING_AS_ERROR is set (the `dev` preset
# that `make test` and CI use): a packager's newer compiler may add warnings we have never seen.
add_library(planetarch_build_settings INTERFACE)
target_compile_features(planetarch_build_settings INTERFACE cxx_std_20)
target_compile_options(planetarch_build_settings INTERFACE -Wall -Wextra -Wpedantic)
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

# Optimised builds are hardened as Debian builds its packages: the flags dpkg-buildflags gives
# (stack protector, _FORTIFY_SOURCE, format checks, relro, build paths mapped away), or the same set
# where there is no dpkg-buildflags. Left alone where the flags already came from outside (a Debian
# package build passes them itself) and in builds without optimisation, where _FORTIFY_SOURCE does
# nothing but warn; the sanitizer presets switch it off.
# On Windows the linker's own defaults serve (address space randomisation, high-entropy, no
# execution of data), as Debian's binutils for MinGW set them.
option(PLANETARCH_HARDENING "Compile and link optimised builds with the distribution's hardening flags" ON)
set(_planetarch_optimised RelWithDebInfo Release MinSizeRel)
if(PLANETARCH_HARDENING AND NOT WIN32 AND CMAKE_BUILD_TYPE IN_LIST _planetarch_optimised
   AND NOT CMAKE_CXX_FLAGS MATCHES "-fstack-protector")
  find_program(PLANETARCH_DPKG_BUILDFLAGS dpkg-buildflags)
  set(_planetarch_flags "")
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    if(PLANETARCH_DPKG_BUILDFLAGS)
      execute_process(COMMAND "${PLANETARCH_DPKG_BUILDFLAGS}" --get ${kind}
        WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
        OUTPUT_VARIABLE _planetarch_value OUTPUT_STRIP_TRAILING_WHITESPACE)
    elseif(kind STREQUAL "CPPFLAGS")
      set(_planetarch_value "-D_FORTIFY_SOURCE=2")
    elseif(kind STREQUAL "CXXFLAGS")
      set(_planetarch_value "-ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -fstack-protector-strong -Wformat -Werror=format-security")
    else()
      set(_planetarch_value "-Wl,-z,relro")
    endif()
    separate_arguments(_planetarch_value UNIX_COMMAND "${_planetarch_value}")
    # The build type already chooses -g and the optimisation level.
    list(FILTER _planetarch_value EXCLUDE REGEX "^-(g|O[0-9s]?)$")
    set(_planetarch_${kind} ${_planetarch_value})
  endforeach()
  target_compile_options(planetarch_build_settings INTERFACE ${_planetarch_CPPFLAGS} ${_planetarch_CXXFLAGS})
  target_link_options(planetarch_build_settings INTERFACE ${_planetarch_LDFLAGS})
endif()
