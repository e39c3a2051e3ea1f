# Compiler settings shared by every target.

if(MSVC)
  add_compile_options(/W4 /utf-8)
  add_compile_definitions(_CRT_SECURE_NO_WARNINGS)
  set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
else()
  add_compile_options(-Wall -Wextra)
endif()

if(ONDIRA_WINDOWS)
  # Plain ANSI Win32: text crosses the platform boundary in the system code page.
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501 WINVER=0x0501)
  if(MINGW)
    # Self-contained PE32 programs: no MinGW runtime DLL beside them.
    add_link_options(-static -static-libgcc -static-libstdc++ $<$<CONFIG:Release>:-s>)
  endif()
endif()

# Adds a Windows GUI program with the given output file name.
function(ondira_add_gui_program target output_name)
  add_executable(${target} WIN32 ${ARGN})
  get_filename_component(base ${output_name} NAME_WE)
  get_filename_component(ext ${output_name} EXT)
  set_target_properties(${target} PROPERTIES
    OUTPUT_NAME ${base}
    SUFFIX ${ext}
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  if(MSVC)
    # The resource script carries our own manifest.
    target_link_options(${target} PRIVATE /MANIFEST:NO)
  endif()
endfunction()
