# Debian's hardening flags for optimised builds: stack protector, fortified
# libc calls, format checks, read-only relocations and immediate binding.
# dpkg-buildflags is asked where it exists, so the build follows the system's
# policy; elsewhere the same set is used. _FORTIFY_SOURCE needs optimisation,
# and the sanitizers bring their own checks, so debug, sanitizer and fuzzing
# builds stay as they are.

include(CheckCXXCompilerFlag)

if(NOT CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$" OR KALVORA_SANITIZE OR KALVORA_FUZZ)
  return()
endif()

find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(DPKG_BUILDFLAGS)
  set(haertung_kompilieren)
  foreach(art CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${DPKG_BUILDFLAGS} --get ${art}
      WORKING_DIRECTORY "${CMAKE_SOURCE_DIR}"
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
      RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "dpkg-buildflags --get ${art} failed")
    endif()
    separate_arguments(flags UNIX_COMMAND "${flags}")
    # Optimisation and debug information are the build type's to choose.
    list(FILTER flags EXCLUDE REGEX "^-(g|O.*)$")
    if(art STREQUAL "LDFLAGS")
      set(haertung_binden ${flags})
    else()
      list(APPEND haertung_kompilieren ${flags})
    endif()
  endforeach()
else()
  set(haertung_kompilieren -fstack-protector-strong -D_FORTIFY_SOURCE=2 -Wformat -Werror=format-security)
  set(haertung_binden -Wl,-z,relro -Wl,-z,now)
endif()

# Newer dpkg adds these two on its own; Debian 12's does not yet.
foreach(flag -fstack-clash-protection -fcf-protection)
  string(MAKE_C_IDENTIFIER "KALVORA_HAS${flag}" ergebnis)
  check_cxx_compiler_flag(${flag} ${ergebnis})
  if(${ergebnis} AND NOT flag IN_LIST haertung_kompilieren)
    list(APPEND haertung_kompilieren ${flag})
  endif()
endforeach()

message(STATUS "Hardening: ${haertung_kompilieren} ${haertung_binden}")
add_compile_options(${haertung_kompilieren})
add_link_options(${haertung_binden})
