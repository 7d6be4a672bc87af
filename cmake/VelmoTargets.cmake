# Settings every target of the project shares: Unicode Win32, Windows 7 as the oldest system,
# and warnings as errors so both targets stay warning-free. A program gets the DLLs it imports
# (FFmpeg's) copied beside it, the layout the packages ship, so every program and test loads
# them from its own folder.
function(velmo_target_defaults target)
  target_compile_definitions(${target} PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
    _WIN32_WINNT=0x0601 WINVER=0x0601)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    set(dlls $<TARGET_RUNTIME_DLLS:${target}>)
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${CMAKE_COMMAND} -E "$<IF:$<BOOL:${dlls}>,copy_if_different;${dlls};$<TARGET_FILE_DIR:${target}>,true>"
      COMMAND_EXPAND_LISTS)
  endif()
endfunction()

# A static library of the project, its public header folder being the project root so that
# includes read "components/zip/zip.h".
function(velmo_library target)
  add_library(${target} STATIC ${ARGN})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  velmo_target_defaults(${target})
endfunction()
