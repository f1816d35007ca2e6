# Settings shared by every Windows executable of the project: headers pinned
# to Windows XP, a static runtime so only Windows' own DLLs are needed, and a
# PE header that the Windows 2000/XP loader accepts.
add_compile_definitions(_WIN32_WINNT=0x0501 WINVER=0x0501 _WIN32_IE=0x0600 WIN32_LEAN_AND_MEAN NOMINMAX)
add_compile_options(-ffunction-sections -fdata-sections)
add_link_options(
  -static -static-libgcc -static-libstdc++ -s -Wl,--gc-sections
  -Wl,--major-subsystem-version,5 -Wl,--minor-subsystem-version,0
  -Wl,--major-os-version,5 -Wl,--minor-os-version,0)

# panel_windows_gui(target): a GUI program (no console window).
function(panel_windows_gui target)
  target_link_options(${target} PRIVATE -mwindows)
endfunction()
