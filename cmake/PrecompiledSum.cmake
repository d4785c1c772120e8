# Writes the checksum that ccache takes for a precompiled header in place of the header itself
# (pch_external_checksum): the compiler's version and the header's text as the compiler reads it,
# with every header it includes and the macros it defines, without line markers. The compiled
# header differs from build to build even from the same sources (it holds the build folder's path
# and varies with the address space's layout), so without this each clone and each new build
# folder would miss the cache for every source that uses it.
#   cmake -DCOMPILER=... -DFLAGS=... -DDEFINITIONS=... -DSOURCE=... -DHEADER=... -DOUTPUT=... -P PrecompiledSum.cmake
# (SOURCE, the source root, is where the header's own includes are found; being the clone's, it is
# left out of the checksum.)
separate_arguments(flags UNIX_COMMAND "${FLAGS}")
set(definitions)
foreach(d ${DEFINITIONS})
  # The project's own definitions name folders of the clone; the standard headers never read them.
  if(NOT d MATCHES "^ORVA_")
    list(APPEND definitions "-D${d}")
  endif()
endforeach()
execute_process(COMMAND ${COMPILER} --version OUTPUT_VARIABLE version COMMAND_ERROR_IS_FATAL ANY)
execute_process(
  COMMAND ${COMPILER} ${flags} ${definitions} -I${SOURCE} -x c++-header -E -P -dD -MD -MF ${OUTPUT}.d -MT ${OUTPUT}
    ${HEADER}
  OUTPUT_VARIABLE text COMMAND_ERROR_IS_FATAL ANY)
# The header's own path is the clone's: only the text counts.
string(SHA256 sum "${version}${flags}${definitions}${text}")
file(WRITE ${OUTPUT} "${sum}\n")
